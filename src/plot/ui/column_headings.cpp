#include "plot/ui/column_headings.h"

#include <array>

namespace kep {

namespace {

constexpr std::array<ColumnHeadings, 9> kHeadings = {{
    {"Length", "Dilated Perimeter"},
    {"Length", "Thresholded Perimeter"},
    {"Box Size", "Box Count"},
    {"Step Length", "Perimeter"},
    {"Step Length", "Perimeter"},
    {"Line Separation", "Perimeter"},
    {"Radius", "Mass"},
    {"Radius", "Mass"},
    {"Radius", "Mass"},
}};

constexpr ColumnHeadings kUnnamed = {"X", "Y"};

}  // namespace

ColumnHeadings HeadingsOf(std::int32_t method) {
  if (method < 0 || method >= static_cast<std::int32_t>(kHeadings.size())) return kUnnamed;
  return kHeadings[static_cast<std::size_t>(method)];
}

}  // namespace kep
