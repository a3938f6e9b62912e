#include "services/clock.h"

#include <ctime>

namespace kep {

std::int64_t SystemClock::NowSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

Clock& CurrentClock() { return ThreadService<Clock, SystemClock>::Current(); }

Clock* SetClock(Clock* clock) { return ThreadService<Clock, SystemClock>::Install(clock); }

}  // namespace kep
