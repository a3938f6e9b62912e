#include "preprocess/dilate.h"

#include <algorithm>
#include <cstring>

#include "preprocess/disc_centre_distance.h"
#include "preprocess/disc_table.h"
#include "services/stop_request.h"

namespace kep {

namespace {

// Radius 0: a pixel next to an object pixel on its east or south side joins the
// object, so the object grows west and north by one pixel.
void GrowWestNorth(ImageBuffer& dst, std::uint8_t value, const ImageBuffer& src) {
  const std::int32_t width = src.Width();
  const std::int32_t height = src.Height();
  for (std::int32_t y = 1; y < height; ++y) {
    const std::uint8_t* row = src.PixelAddress(0, y);
    const std::uint8_t* below = y + 1 < height ? src.PixelAddress(0, y + 1) : nullptr;
    std::uint8_t* out = dst.PixelAddress(0, y);
    for (std::int32_t x = 1; x < width; ++x) {
      const bool east = x + 1 < width && row[x + 1] == value;
      const bool south = below != nullptr && below[x] == value;
      out[x] = (row[x] != value && (east || south)) ? value : row[x];
    }
  }
}

// Radius 1: a pixel with an object pixel among its four straight neighbours joins
// the object.
void GrowCross(ImageBuffer& dst, std::uint8_t value, const ImageBuffer& src) {
  const std::int32_t width = src.Width();
  const std::int32_t height = src.Height();
  for (std::int32_t y = 1; y < height; ++y) {
    const std::uint8_t* above = src.PixelAddress(0, y - 1);
    const std::uint8_t* row = src.PixelAddress(0, y);
    const std::uint8_t* below = y + 1 < height ? src.PixelAddress(0, y + 1) : nullptr;
    std::uint8_t* out = dst.PixelAddress(0, y);
    for (std::int32_t x = 1; x < width; ++x) {
      const bool near = row[x - 1] == value || above[x] == value ||
                        (x + 1 < width && row[x + 1] == value) ||
                        (below != nullptr && below[x] == value);
      out[x] = (row[x] != value && near) ? value : row[x];
    }
  }
}

// Radius 2 and more: a disc around every object pixel of the outline (an object
// pixel with a straight neighbour of another value), painted one row run at a
// time and clipped to the image. Pixels of the outermost rows and columns paint
// no disc.
void GrowDiscs(ImageBuffer& dst, std::uint8_t value, std::int32_t radius, const ImageBuffer& src) {
  const std::int32_t width = src.Width();
  const std::int32_t height = src.Height();
  const std::vector<std::int32_t> halfWidths = DiscHalfWidths(radius, height);
  const std::int32_t reach = static_cast<std::int32_t>(halfWidths.size()) - 1;
  dst.CopyPixelsFrom(src);
  for (std::int32_t y = 1; y < height - 1; ++y) {
    StopPoint();
    const std::uint8_t* above = src.PixelAddress(0, y - 1);
    const std::uint8_t* row = src.PixelAddress(0, y);
    const std::uint8_t* below = src.PixelAddress(0, y + 1);
    for (std::int32_t x = 1; x < width - 1; ++x) {
      if (!IsDiscCentre(above, row, below, x, value)) continue;
      const std::int32_t top = std::max(-reach, -y);
      const std::int32_t bottom = std::min(reach, height - 1 - y);
      for (std::int32_t dy = top; dy <= bottom; ++dy) {
        const std::int64_t w = halfWidths[static_cast<std::size_t>(dy < 0 ? -dy : dy)];
        const std::int64_t left = std::max<std::int64_t>(0, x - w);
        const std::int64_t right = std::min<std::int64_t>(width - 1, x + w);
        std::memset(dst.PixelAddress(static_cast<std::int32_t>(left), y + dy), value,
                    static_cast<std::size_t>(right - left + 1));
      }
    }
  }
}

}  // namespace

void Dilate(ImageBuffer& dest, std::uint8_t value, std::int32_t radius, const ImageBuffer& src) {
  // The frame must not look like object, or the next dilation would spread it
  // inward.
  dest.FillBorder(1, value == 0 ? 255 : 0);
  if (radius < 0) return;
  if (radius == 0) {
    GrowWestNorth(dest, value, src);
  } else if (radius == 1) {
    GrowCross(dest, value, src);
  } else {
    GrowDiscs(dest, value, radius, src);
  }
}

}  // namespace kep
