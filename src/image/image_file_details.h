#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kep {

enum class ImageFileFormat { kNone, kBmp, kTiff };

// The decoder that turned the file into grey levels: the system's own readers,
// or libtiff for the TIFF files that the own reader leaves to it.
enum class ImageDecoder { kNone, kBuiltIn, kLibtiff };

// What was learnt about a file while loading it.
struct ImageFileDetails {
  ImageFileFormat format = ImageFileFormat::kNone;
  ImageDecoder decoder = ImageDecoder::kNone;
  // As the file states it: 0 is an uncompressed bitmap, 1 an uncompressed TIFF.
  std::uint32_t compression = 0;
  std::uint32_t samplesPerPixel = 0;
  // The bits of each sample, as many values as the file gives (at most
  // kMaxListedSamples); a 24-bit bitmap has three samples of 8 bits.
  std::vector<std::uint32_t> bitsPerSample;
  // Bits per pixel as the decoder took them: 8 or 24 for a bitmap; for TIFF the
  // bits of one pixel's samples (24 for the old single value 24).
  std::int32_t bitsPerPixel = 0;
  // Why the reader refused the file, in a few words; empty when it was read.
  std::string refusal;
};

inline constexpr std::size_t kMaxListedSamples = 16;

}  // namespace kep
