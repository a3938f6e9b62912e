#include "image/libtiff_rgba.h"

#include <algorithm>
#include <new>

#include "image/grey.h"
#include "image/zeroed_array.h"

namespace kep {
namespace {

struct RgbaConversion {
  TIFFRGBAImage state{};
  bool begun = false;
  ~RgbaConversion() {
    if (begun) TIFFRGBAImageEnd(&state);
  }
};

// Rows converted at a time: one strip or one row of tiles, so that each is
// decoded once.
std::uint32_t BandRows(TIFF* tiff, std::uint32_t height) {
  std::uint32_t rows = 0;
  if (TIFFIsTiled(tiff)) {
    TIFFGetField(tiff, TIFFTAG_TILELENGTH, &rows);
  } else {
    TIFFGetFieldDefaulted(tiff, TIFFTAG_ROWSPERSTRIP, &rows);
  }
  return std::clamp<std::uint32_t>(rows, 1, std::max<std::uint32_t>(height, 1));
}

}  // namespace

std::string ReadThroughRgb(const LibtiffFile& file, ImageBuffer& image) {
  TIFF* tiff = file.Handle();
  char message[1024] = "";
  RgbaConversion conversion;
  if (!TIFFRGBAImageOK(tiff, message) || !TIFFRGBAImageBegin(&conversion.state, tiff, 1, message)) {
    return std::string("colour space not read: ") + message;
  }
  conversion.begun = true;
  TIFFRGBAImage& rgba = conversion.state;
  rgba.req_orientation = ORIENTATION_TOPLEFT;
  rgba.orientation = ORIENTATION_TOPLEFT;
  const std::uint32_t width = rgba.width;
  const std::uint32_t height = rgba.height;
  const std::uint32_t band = BandRows(tiff, height);
  try {
    // A damaged strip may leave part of the band unwritten.
    const MallocArray<std::uint32_t> raster =
        MakeZeroedArray<std::uint32_t>(std::uint64_t{width} * band);
    image.Create(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height), 1);
    for (std::uint32_t y = 0; y < height; y += band) {
      const std::uint32_t rows = std::min(band, height - y);
      rgba.row_offset = static_cast<int>(y);
      if (!TIFFRGBAImageGet(&rgba, raster.get(), width, rows)) return file.DamageReason();
      for (std::uint32_t r = 0; r < rows; ++r) {
        const std::uint32_t* pixel = raster.get() + std::uint64_t{r} * width;
        std::uint8_t* row = image.PixelAddress(0, static_cast<std::int32_t>(y + r));
        for (std::uint32_t x = 0; x < width; ++x) {
          row[x] = GreyFromRgb(static_cast<std::uint8_t>(TIFFGetR(pixel[x])),
                               static_cast<std::uint8_t>(TIFFGetG(pixel[x])),
                               static_cast<std::uint8_t>(TIFFGetB(pixel[x])));
        }
      }
    }
  } catch (const std::bad_alloc&) {
    return "not enough memory";
  }
  return "";
}

}  // namespace kep
