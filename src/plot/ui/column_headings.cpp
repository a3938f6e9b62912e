#include "plot/ui/column_headings.h"

namespace kep {

AxisHeadings HeadingsOf(std::int32_t method) {
  if (method < 0 || method >= kMethodCount || kMethods[method].headings.x == nullptr) {
    return {"X", "Y"};
  }
  return kMethods[method].headings;
}

}  // namespace kep
