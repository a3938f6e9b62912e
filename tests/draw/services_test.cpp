#include <gtest/gtest.h>

#include <thread>

#include "draw/clock.h"
#include "draw/message_sink.h"
#include "support/fake_services.h"

namespace kep {
namespace {

TEST(ServicesTest, SinkAndClockAreReplacedPerThreadAndRestored) {
  MessageSink* defaultSink = &CurrentMessageSink();
  Clock* defaultClock = &CurrentClock();
  RecordingMessageSink sink;
  SteppingClock clock;
  {
    ScopedMessageSink sinkGuard(sink);
    ScopedClock clockGuard(clock);
    CurrentMessageSink().ShowMessage("Please Load an Image File!");
    EXPECT_EQ(CurrentClock().NowSeconds(), 0);
    EXPECT_EQ(CurrentClock().NowSeconds(), 1);

    // Another thread still sees the defaults.
    std::thread other([&] {
      EXPECT_EQ(&CurrentMessageSink(), defaultSink);
      EXPECT_EQ(&CurrentClock(), defaultClock);
    });
    other.join();
  }
  EXPECT_EQ(sink.messages, std::vector<std::string>{"Please Load an Image File!"});
  EXPECT_EQ(&CurrentMessageSink(), defaultSink);
  EXPECT_EQ(&CurrentClock(), defaultClock);

  EXPECT_EQ(SetClock(&clock), nullptr);
  EXPECT_EQ(SetClock(nullptr), &clock);
  EXPECT_EQ(&CurrentClock(), defaultClock);
}

}  // namespace
}  // namespace kep
