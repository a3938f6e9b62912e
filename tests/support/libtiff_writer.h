#pragma once

// TIFF files written by libtiff itself, in the forms that the built-in reader
// leaves to libtiff: compressed, tiled, separate planes, deep samples.

#include <tiffio.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/image_file_bytes.h"

namespace kep::test {

struct LibtiffPage {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint16_t bitsPerSample = 8;
  std::uint16_t samplesPerPixel = 1;
  std::uint16_t sampleFormat = SAMPLEFORMAT_UINT;
  std::uint16_t photometric = PHOTOMETRIC_MINISBLACK;
  std::uint16_t compression = COMPRESSION_NONE;
  bool separatePlanes = false;
  std::uint32_t rowsPerStrip = 1;
  std::uint32_t tileSide = 0;     // tiles of this side (a multiple of 16) instead of strips
  std::uint16_t orientation = 0;  // written when not 0
  // Red, then green, then blue entries of a palette picture.
  std::vector<std::uint16_t> colourMap = {};
  // The rows as libtiff takes them (samples packed from the high bit, wider ones
  // in the machine's byte order), plane after plane for separate planes.
  Bytes rows = {};
};

// Writes the pages into one file; false when libtiff refuses.
bool WriteWithLibtiff(const std::string& path, const std::vector<LibtiffPage>& pages);

// Samples in the machine's byte order, as libtiff takes them.
template <typename T>
Bytes NativeSamples(const std::vector<T>& values) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(values.data());
  return Bytes(bytes, bytes + values.size() * sizeof(T));
}

}  // namespace kep::test
