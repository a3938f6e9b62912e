#include "fractal/method_table.h"

namespace kep {

std::optional<int> MethodIndexFromName(std::string_view name) {
  for (int i = 0; i < kMethodCount; ++i) {
    if (name == kMethods[i].cliName || name == std::to_string(i)) return i;
  }
  return std::nullopt;
}

}  // namespace kep
