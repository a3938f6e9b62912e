#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "image/image_buffer.h"
#include "preprocess/pixel_scan.h"

namespace kep {

// Whether Dilate paints a disc around the pixel of `row` at x (rows above and
// below given): an object pixel with a straight neighbour of another value. The
// caller keeps to pixels off the image's outermost rows and columns, which paint
// no disc.
inline bool IsDiscCentre(const std::uint8_t* above, const std::uint8_t* row,
                         const std::uint8_t* below, std::int32_t x, std::uint8_t value) {
  const bool surrounded =
      (row[x - 1] == value) & (row[x + 1] == value) & (above[x] == value) & (below[x] == value);
  return (row[x] == value) & !surrounded;
}

// Calls visit(x) for every disc centre of row y, x rising; the outermost rows
// and columns hold none.
template <typename Visit>
void ForEachDiscCentreOfRow(const ImageBuffer& image, std::uint8_t value, std::int32_t y,
                            Visit visit) {
  if (y < 1 || y >= image.Height() - 1) return;
  const std::uint8_t* above = image.PixelAddress(0, y - 1);
  const std::uint8_t* row = image.PixelAddress(0, y);
  const std::uint8_t* below = image.PixelAddress(0, y + 1);
  // The row below is read only at the object pixels of this one: fetched ahead,
  // while this row is scanned, it is in the cache when they are tested.
  for (std::int32_t x = 0; x < image.Width(); x += 64) __builtin_prefetch(below + x);
  ForEachPixelOfValue(image, value, 1, y, image.Width() - 2, y, [&](std::int32_t x, std::int32_t) {
    if (IsDiscCentre(above, row, below, x, value)) visit(x);
  });
}

// A run of pixels of one row, from..to (both included), whose nearest disc
// centre lies `rise` rows above or below the column `column`: the squared
// distance of the pixel x is (x - column)^2 + rise^2.
struct NearestCentreRun {
  std::int32_t from;
  std::int32_t to;
  std::int32_t column;
  std::int32_t rise;

  std::uint64_t SquaredDistance(std::int32_t x) const {
    // Squared in 64-bit unsigned arithmetic, where a negative offset squares to
    // the same as its magnitude.
    const auto dx = static_cast<std::uint64_t>(std::int64_t{x} - column);
    const auto dy = static_cast<std::uint64_t>(rise);
    return dx * dx + dy * dy;
  }
};

// Receives the runs of row y, from rising: together they hold exactly the pixels
// of the row that lie within reach of a disc centre.
using DistanceRowVisitor =
    std::function<void(std::int32_t y, std::span<const NearestCentreRun> runs)>;

// The exact Euclidean distance from the nearest disc centre of `value` (a pixel
// Dilate paints its disc around), for every pixel within `reach` of one, handed
// row by row, top to bottom, to `visit`. A pixel therefore lies in the disc part
// of Dilate's result for a radius r >= 2 exactly when it lies in a run and its
// squared distance is at most r * r. The work grows with the number of centres
// and the pixels within reach, not with the image: each row takes the nearest
// centre of every column that has one within reach above or below it, then the
// lower envelope of the parabolas (x - column)^2 + rise^2 (Meijster's second
// phase). Throws std::bad_alloc when its work area cannot be made.
void ForEachDiscCentreDistanceRow(const ImageBuffer& image, std::uint8_t value, std::int32_t reach,
                                  const DistanceRowVisitor& visit);

}  // namespace kep
