#include "fractal/parameter_range.h"

#include "fractal/method_table.h"

namespace kep {

namespace {
bool InRange(std::int32_t value) { return value >= kMinParameter && value <= kMaxParameter; }
}  // namespace

bool MethodParametersInRange(std::uint32_t methodIndex, std::int32_t param1, std::int32_t param2,
                             std::int32_t param3) {
  const bool usesThird = methodIndex != kDistanceMapIndex;
  return InRange(param1) && InRange(param2) && (!usesThird || InRange(param3));
}

}  // namespace kep
