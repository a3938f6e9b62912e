#include "draw/clock.h"

#include <ctime>

namespace kep {

namespace {
thread_local Clock* t_clock = nullptr;
}

std::int64_t SystemClock::NowSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

Clock& CurrentClock() {
  static SystemClock systemClock;
  return t_clock ? *t_clock : systemClock;
}

Clock* SetClock(Clock* clock) {
  Clock* previous = t_clock;
  t_clock = clock;
  return previous;
}

}  // namespace kep
