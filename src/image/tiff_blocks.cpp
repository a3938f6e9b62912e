#include "image/tiff_blocks.h"

#include <algorithm>

#include "image/zeroed_array.h"

namespace kep {
namespace {

struct BlockShape {
  bool tiled = false;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint64_t rowBytes = 0;
};

// Strips are blocks as wide as the image; a file without rows per strip, or with
// more than the image has, holds one strip.
BlockShape ShapeOf(TIFF* tiff, std::uint32_t imageWidth, std::uint32_t imageHeight) {
  BlockShape shape;
  shape.tiled = TIFFIsTiled(tiff) != 0;
  if (shape.tiled) {
    TIFFGetField(tiff, TIFFTAG_TILEWIDTH, &shape.width);
    TIFFGetField(tiff, TIFFTAG_TILELENGTH, &shape.height);
    shape.rowBytes = TIFFTileRowSize64(tiff);
  } else {
    std::uint32_t rowsPerStrip = 0;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_ROWSPERSTRIP, &rowsPerStrip);
    shape.width = imageWidth;
    shape.height = rowsPerStrip == 0 ? imageHeight : std::min(rowsPerStrip, imageHeight);
    shape.rowBytes = TIFFScanlineSize64(tiff);
  }
  return shape;
}

}  // namespace

std::uint64_t BlockBytes(TIFF* tiff) {
  return TIFFIsTiled(tiff) ? TIFFTileSize64(tiff) : TIFFStripSize64(tiff);
}

bool ForEachBlock(TIFF* tiff, const std::vector<std::uint16_t>& planes,
                  const std::function<void(const DecodedBlock&)>& take) {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
  TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
  const BlockShape shape = ShapeOf(tiff, width, height);
  const std::uint64_t bytes = BlockBytes(tiff);
  if (width == 0 || height == 0) return true;
  if (shape.width == 0 || shape.height == 0 || bytes == 0) return false;
  const auto size = static_cast<tmsize_t>(bytes);
  // A codec may leave part of a damaged block unwritten.
  const MallocArray<std::uint8_t> buffer = MakeZeroedArray<std::uint8_t>(bytes);
  for (const std::uint16_t plane : planes) {
    for (std::uint32_t y = 0; y < height; y += std::min(shape.height, height - y)) {
      for (std::uint32_t x = 0; x < width; x += std::min(shape.width, width - x)) {
        const tmsize_t got =
            shape.tiled
                ? TIFFReadEncodedTile(tiff, TIFFComputeTile(tiff, x, y, 0, plane), buffer.get(),
                                      size)
                : TIFFReadEncodedStrip(tiff, TIFFComputeStrip(tiff, y, plane), buffer.get(), size);
        const DecodedBlock block{x,
                                 y,
                                 std::min(shape.width, width - x),
                                 std::min(shape.height, height - y),
                                 plane,
                                 shape.rowBytes,
                                 buffer.get()};
        if (got < 0 || static_cast<std::uint64_t>(got) < block.rows * shape.rowBytes) return false;
        take(block);
      }
    }
  }
  return true;
}

}  // namespace kep
