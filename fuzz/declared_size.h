#pragma once

#include <cstddef>
#include <cstdint>

namespace kep::fuzz {

// The number of pixels an input claims, as far as any reader could take it:
// width times height from the bitmap header, or from the largest width and
// height entries of a TIFF file's first directory (either byte order, and the
// large form of the format). Entries a reader might read some other way count as
// unbounded. The targets skip inputs that claim large pictures: allocating and
// clearing them costs far more than the reading that is to be tested, and the
// size limit itself is covered by the unit tests.
std::uint64_t DeclaredBmpPixels(const std::uint8_t* data, std::size_t size);
std::uint64_t DeclaredTiffPixels(const std::uint8_t* data, std::size_t size);

// What the targets accept: 512 x 512 pixels.
inline constexpr std::uint64_t kMaxFuzzedPixels = 512 * 512;

}  // namespace kep::fuzz
