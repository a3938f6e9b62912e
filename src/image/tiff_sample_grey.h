#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image/image_buffer.h"
#include "image/libtiff_file.h"

namespace kep {

// How the samples of a grey, red-green-blue or palette picture are stored, and
// which of them make its grey level.
struct SampleLayout {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint16_t bitsPerSample = 0;
  std::uint16_t samplesPerPixel = 1;
  std::uint16_t sampleFormat = SAMPLEFORMAT_UINT;
  bool separatePlanes = false;
  // The first sample alone (grey, palette index), or red, green and blue.
  std::vector<std::uint16_t> used;
  // For a palette picture, the grey level of every index the samples can hold.
  std::vector<std::uint8_t> paletteGrey;
};

// The most memory the samples decoded for one picture may take: those kept for
// the whole picture and one strip or tile.
inline constexpr std::uint64_t kMaxDecodedBytes = std::uint64_t{1} << 30;

// Decodes the picture's samples and turns them into grey levels: palette indices
// through the palette; samples of fewer than 8 bits scaled by 255 / (2^bits - 1);
// 8-bit samples as they are; deeper ones stretched from the smallest to the
// largest finite value of the picture's used samples onto 0..255, truncated (0
// for a picture of one value). Red, green and blue levels become grey by
// GreyFromRgb. The reason when it cannot; the image is untouched then.
std::string ReadSamplesAsGrey(const LibtiffFile& file, const SampleLayout& layout,
                              ImageBuffer& image);

}  // namespace kep
