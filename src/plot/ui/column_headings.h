#pragma once

#include <cstdint>

namespace kep {

// The names of what a method's data points measure, as the result form heads
// the columns of its data list.
struct ColumnHeadings {
  const char* x;
  const char* y;
};

// The headings of a method's points. The corner methods' points have no names
// of their own: they get the neutral "X" and "Y", so that no heading of another
// method ever stands over them.
ColumnHeadings HeadingsOf(std::int32_t method);

}  // namespace kep
