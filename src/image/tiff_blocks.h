#pragma once

#include <tiffio.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace kep {

// One decoded strip or tile of one plane: `rows` rows of `rowBytes` bytes, whose
// first `columns` pixels lie in the image from (x, y) on.
struct DecodedBlock {
  std::uint32_t x = 0;
  std::uint32_t y = 0;
  std::uint32_t columns = 0;
  std::uint32_t rows = 0;
  std::uint16_t plane = 0;
  std::uint64_t rowBytes = 0;
  const std::uint8_t* data = nullptr;
};

// The size of one strip or tile as libtiff decodes it.
std::uint64_t BlockBytes(TIFF* tiff);

// Decodes every strip or tile of the given planes (plane 0 alone for samples
// stored together), one at a time into one buffer, and hands each to `take`.
// False as soon as libtiff fails to decode one.
bool ForEachBlock(TIFF* tiff, const std::vector<std::uint16_t>& planes,
                  const std::function<void(const DecodedBlock&)>& take);

}  // namespace kep
