#include "declared_size.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace kep::fuzz {
namespace {

constexpr std::uint64_t kUnbounded = std::numeric_limits<std::uint64_t>::max();

// Reads integers of one byte order from the input; 0 past its end.
struct Input {
  const std::uint8_t* data;
  std::size_t size;
  bool littleEndian;

  std::uint64_t Value(std::uint64_t offset, int bytes) const {
    if (offset > size || size - offset < static_cast<std::uint64_t>(bytes)) return 0;
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) {
      const std::uint64_t byte =
          data[offset + static_cast<std::uint64_t>(littleEndian ? bytes - 1 - i : i)];
      value = (value << 8) | byte;
    }
    return value;
  }
};

// A width or height entry: its value where the field holds it, else unbounded.
std::uint64_t SideValue(const Input& in, std::uint64_t entry, bool big) {
  const std::uint64_t type = in.Value(entry + 2, 2);
  const std::uint64_t count = big ? in.Value(entry + 4, 8) : in.Value(entry + 4, 4);
  const std::uint64_t field = entry + (big ? 12 : 8);
  switch (type) {
    case 1:  // BYTE
      return count <= 4 ? in.Value(field, 1) : kUnbounded;
    case 3:  // SHORT
      return count <= 2 ? in.Value(field, 2) : kUnbounded;
    case 4:  // LONG
      return count == 1 ? in.Value(field, 4) : kUnbounded;
    case 16:  // LONG8
      return count == 1 && big ? in.Value(field, 8) : kUnbounded;
    default:
      return kUnbounded;
  }
}

}  // namespace

std::uint64_t DeclaredBmpPixels(const std::uint8_t* data, std::size_t size) {
  const Input in{data, size, true};
  const auto width = static_cast<std::int32_t>(in.Value(18, 4));
  const auto height = static_cast<std::int32_t>(in.Value(22, 4));
  return static_cast<std::uint64_t>(std::llabs(width)) *
         static_cast<std::uint64_t>(std::llabs(height));
}

std::uint64_t DeclaredTiffPixels(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const bool little = data[0] == 'I' && data[1] == 'I';
  const Input in{data, size, little};
  const std::uint8_t version = little ? data[2] : data[3];
  const bool big = version == 43;
  const std::uint64_t directory = big ? in.Value(8, 8) : in.Value(4, 4);
  const std::uint64_t entries = big ? in.Value(directory, 8) : in.Value(directory, 2);
  const std::uint64_t entrySize = big ? 20 : 12;
  const std::uint64_t first = directory + (big ? 8 : 2);
  std::uint64_t width = 0;
  std::uint64_t height = 0;
  for (std::uint64_t i = 0; i < entries && first + i * entrySize < size; ++i) {
    const std::uint64_t entry = first + i * entrySize;
    const std::uint64_t tag = in.Value(entry, 2);
    if (tag == 256) width = std::max(width, SideValue(in, entry, big));
    if (tag == 257) height = std::max(height, SideValue(in, entry, big));
  }
  if (width == kUnbounded || height == kUnbounded) return kUnbounded;
  return width > 0 && height > kUnbounded / width ? kUnbounded : width * height;
}

}  // namespace kep::fuzz
