#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "services/clock.h"

namespace kep {

// A clock that moves one second further at every reading, so that a pause of n
// seconds ends after n + 1 readings and no test waits.
class SteppingClock : public Clock {
 public:
  std::int64_t NowSeconds() override { return seconds++; }
  std::int64_t seconds = 0;
};

}  // namespace kep
