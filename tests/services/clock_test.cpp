#include <gtest/gtest.h>

#include <thread>

#include "services/clock.h"
#include "support/fake_services.h"

namespace kep {
namespace {

TEST(ClockTest, IsReplacedPerThreadAndRestored) {
  Clock* defaultClock = &CurrentClock();
  SteppingClock clock;
  {
    ScopedClock clockGuard(clock);
    EXPECT_EQ(CurrentClock().NowSeconds(), 0);
    EXPECT_EQ(CurrentClock().NowSeconds(), 1);
    // Another thread still sees the default.
    std::thread other([&] { EXPECT_EQ(&CurrentClock(), defaultClock); });
    other.join();
  }
  EXPECT_EQ(&CurrentClock(), defaultClock);
  EXPECT_EQ(SetClock(&clock), nullptr);
  EXPECT_EQ(SetClock(nullptr), &clock);
}

}  // namespace
}  // namespace kep
