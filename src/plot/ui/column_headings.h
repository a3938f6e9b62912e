#pragma once

#include <cstdint>

#include "fractal/method_table.h"

namespace kep {

// The headings of a method's points, as the result form heads the columns of its
// data list. The corner methods' points have no names of their own: they get the
// neutral "X" and "Y", so that no heading of another method ever stands over them.
AxisHeadings HeadingsOf(std::int32_t method);

}  // namespace kep
