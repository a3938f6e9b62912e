#pragma once

#include <cstdint>

#include "services/thread_service.h"

namespace kep {

// Calendar time in whole seconds, read by the animation pauses. Tests install a
// clock that advances by itself so that no test waits.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t NowSeconds() = 0;
};

class SystemClock : public Clock {
 public:
  std::int64_t NowSeconds() override;
};

// The clock in use on this thread; the system clock unless another is set.
Clock& CurrentClock();
// Installs a clock for this thread (nullptr restores the default) and returns the
// previous one.
Clock* SetClock(Clock* clock);

using ScopedClock = ScopedService<Clock, SystemClock>;

}  // namespace kep
