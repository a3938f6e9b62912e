#pragma once

#include <cstdint>
#include <string>

namespace kep {

// The largest width and height that the image readers accept. A claimed size
// beyond it is refused before anything is allocated, so a damaged or hostile
// header can ask for at most 16384 x 16384 pixels (256 MiB) plus one row of
// scratch space; every real picture this system measures is far smaller.
inline constexpr std::int64_t kMaxImageSide = 16384;

inline bool IsAcceptedImageSize(std::int64_t width, std::int64_t height) {
  return width >= 0 && height >= 0 && width <= kMaxImageSide && height <= kMaxImageSide;
}

// The readers' reason for refusing a claimed size.
inline std::string SizeRefusal(std::int64_t width, std::int64_t height) {
  return "the image size " + std::to_string(width) + " x " + std::to_string(height) +
         " is outside 0 to " + std::to_string(kMaxImageSide) + " pixels a side";
}

}  // namespace kep
