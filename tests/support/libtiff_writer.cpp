#include "support/libtiff_writer.h"

#include <algorithm>
#include <memory>

namespace kep::test {
namespace {

struct Closer {
  void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};

void SetTags(TIFF* tiff, const LibtiffPage& page) {
  TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, page.width);
  TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, page.height);
  TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, page.bitsPerSample);
  TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, page.samplesPerPixel);
  TIFFSetField(tiff, TIFFTAG_SAMPLEFORMAT, page.sampleFormat);
  TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, page.photometric);
  TIFFSetField(tiff, TIFFTAG_COMPRESSION, page.compression);
  TIFFSetField(tiff, TIFFTAG_PLANARCONFIG,
               page.separatePlanes ? PLANARCONFIG_SEPARATE : PLANARCONFIG_CONTIG);
  if (page.tileSide != 0) {
    TIFFSetField(tiff, TIFFTAG_TILEWIDTH, page.tileSide);
    TIFFSetField(tiff, TIFFTAG_TILELENGTH, page.tileSide);
  } else {
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, page.rowsPerStrip);
  }
  if (page.orientation != 0) TIFFSetField(tiff, TIFFTAG_ORIENTATION, page.orientation);
  if (!page.colourMap.empty()) {
    const std::size_t entries = page.colourMap.size() / 3;
    std::vector<std::uint16_t> map = page.colourMap;
    TIFFSetField(tiff, TIFFTAG_COLORMAP, map.data(), map.data() + entries,
                 map.data() + 2 * entries);
  }
}

// Whole rows of the page; tiles are cut from them, padded with zeros.
bool WriteTiles(TIFF* tiff, const LibtiffPage& page, std::uint16_t planes, std::uint64_t rowBytes) {
  const std::uint64_t tileRowBytes = TIFFTileRowSize64(tiff);
  const std::uint64_t pixelBits =
      std::uint64_t{page.bitsPerSample} * (page.separatePlanes ? 1 : page.samplesPerPixel);
  std::vector<std::uint8_t> tile(TIFFTileSize64(tiff));
  for (std::uint16_t plane = 0; plane < planes; ++plane) {
    const std::uint8_t* planeRows = page.rows.data() + plane * rowBytes * page.height;
    for (std::uint32_t y = 0; y < page.height; y += page.tileSide) {
      for (std::uint32_t x = 0; x < page.width; x += page.tileSide) {
        std::fill(tile.begin(), tile.end(), std::uint8_t{0});
        const std::uint64_t from = x * pixelBits / 8;
        const std::uint64_t bytes = std::min(tileRowBytes, rowBytes - from);
        for (std::uint32_t r = 0; r < page.tileSide && y + r < page.height; ++r) {
          std::copy_n(planeRows + (y + r) * rowBytes + from, bytes, tile.data() + r * tileRowBytes);
        }
        if (TIFFWriteTile(tiff, tile.data(), x, y, 0, plane) < 0) return false;
      }
    }
  }
  return true;
}

bool WritePage(TIFF* tiff, const LibtiffPage& page) {
  SetTags(tiff, page);
  const std::uint16_t planes = page.separatePlanes ? page.samplesPerPixel : 1;
  const std::uint64_t rowBytes = TIFFScanlineSize64(tiff);
  if (page.rows.size() != rowBytes * page.height * planes) return false;
  if (page.tileSide != 0)
    return WriteTiles(tiff, page, planes, rowBytes) && TIFFWriteDirectory(tiff);
  std::vector<std::uint8_t> row(rowBytes);
  for (std::uint16_t plane = 0; plane < planes; ++plane) {
    for (std::uint32_t y = 0; y < page.height; ++y) {
      std::copy_n(page.rows.data() + (plane * page.height + y) * rowBytes, rowBytes, row.data());
      if (TIFFWriteScanline(tiff, row.data(), y, plane) < 0) return false;
    }
  }
  return TIFFWriteDirectory(tiff) != 0;
}

}  // namespace

bool WriteWithLibtiff(const std::string& path, const std::vector<LibtiffPage>& pages) {
  const std::unique_ptr<TIFF, Closer> tiff(TIFFOpen(path.c_str(), "w"));
  if (!tiff) return false;
  for (const LibtiffPage& page : pages) {
    if (!WritePage(tiff.get(), page)) return false;
  }
  return true;
}

}  // namespace kep::test
