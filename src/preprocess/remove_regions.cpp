#include "preprocess/remove_regions.h"

#include <cstring>

#include "preprocess/flood_fill.h"
#include "services/stop_request.h"

namespace kep {

void RemoveRegions(ImageBuffer& dest, std::uint8_t regionValue, std::uint8_t fillValue,
                   std::int32_t minSize, const ImageBuffer& src) {
  if (regionValue == fillValue || minSize <= 0) {
    dest.CopyPixelsFrom(src);
    return;
  }
  // Every pixel outside the regions is first set to a mark value, so that small
  // regions (painted fillValue) and large ones (painted back to mark) are told
  // apart from everything else; the mark pixels then get their source values back.
  auto mark = static_cast<std::uint8_t>(regionValue + 1);
  if (mark == fillValue) mark = static_cast<std::uint8_t>(regionValue + 2);

  // The sizes in locals: a byte store could otherwise change the image's, which
  // would be read again for every pixel and keep the loops from being vectorized.
  const std::int32_t width = dest.Width();
  const std::int32_t height = dest.Height();
  for (std::int32_t y = 0; y < height; ++y) {
    const std::uint8_t* in = src.PixelAddress(0, y);
    std::uint8_t* out = dest.PixelAddress(0, y);
    for (std::int32_t x = 0; x < width; ++x) out[x] = in[x] == regionValue ? regionValue : mark;
  }

  for (std::int32_t y = 0; y < height; ++y) {
    StopPoint();
    std::uint8_t* row = dest.PixelAddress(0, y);
    for (std::int32_t x = 0; x < width; ++x) {
      // Each fill repaints its region, so the scan never meets it again.
      const void* next = std::memchr(row + x, regionValue, static_cast<std::size_t>(width - x));
      if (next == nullptr) break;
      x = static_cast<std::int32_t>(static_cast<const std::uint8_t*>(next) - row);
      FloodFill(dest, x, y, fillValue, 0, 0);
      if (LastFillArea() > minSize) RepaintLastFill(dest, mark);
    }
  }

  for (std::int32_t y = 0; y < height; ++y) {
    const std::uint8_t* in = src.PixelAddress(0, y);
    std::uint8_t* out = dest.PixelAddress(0, y);
    for (std::int32_t x = 0; x < width; ++x) out[x] = out[x] == mark ? in[x] : out[x];
  }
}

}  // namespace kep
