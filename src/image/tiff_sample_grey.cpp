#include "image/tiff_sample_grey.h"

#include <cstring>
#include <new>
#include <type_traits>

#include "image/grey.h"
#include "image/pixel_allocator.h"
#include "image/sample_stretch.h"
#include "image/tiff_blocks.h"
#include "image/zeroed_array.h"

namespace kep {
namespace {

// The used samples of every pixel, row by row, and the smallest and largest
// finite sample among them, which deep samples are stretched between. The values
// live in storage like an image's, left uninitialised: the blocks, which cover
// the image, write every one, and the memory is touched only once.
template <typename T>
struct SampleGrid {
  std::uint64_t width = 0;
  std::uint64_t height = 0;
  std::uint64_t channels = 1;
  MallocArray<T> values;
  SampleRange<T> range;

  std::uint64_t Count() const { return width * height * channels; }

  // Takes in every step-th of the count values from `first` on, while they are
  // still in the cache after being written.
  void Extend(const T* first, std::uint64_t count, std::uint64_t step) {
    for (std::uint64_t i = 0; i < count; ++i) range.Take(first[i * step]);
  }
};

// Sample `index` of a decoded row. Samples of fewer than 8 bits are packed from
// the high bit of each byte down; wider ones are whole numbers in the machine's
// byte order, as libtiff hands them over.
template <typename T>
T SampleAt(const std::uint8_t* row, std::uint64_t index, unsigned bits) {
  if constexpr (sizeof(T) == 1) {
    if (bits < 8) {
      const std::uint64_t bit = index * bits;
      const unsigned shift = 8 - bits - static_cast<unsigned>(bit % 8);
      return static_cast<T>((row[bit / 8] >> shift) & ((1u << bits) - 1));
    }
  }
  T value;
  std::memcpy(&value, row + index * sizeof(T), sizeof(T));
  return value;
}

template <typename T>
void TakeBlock(const DecodedBlock& block, const SampleLayout& layout, SampleGrid<T>& grid) {
  const std::uint64_t step = layout.separatePlanes ? 1 : layout.samplesPerPixel;
  // Rows of whole samples that are all used are copied as they are.
  const bool copyRows = step == 1 && grid.channels == 1 && layout.bitsPerSample == 8 * sizeof(T);
  const bool deep = layout.bitsPerSample > 8;
  for (std::uint64_t c = 0; c < grid.channels; ++c) {
    if (layout.separatePlanes && layout.used[c] != block.plane) continue;
    const std::uint64_t first = layout.separatePlanes ? 0 : layout.used[c];
    for (std::uint32_t r = 0; r < block.rows; ++r) {
      const std::uint8_t* row = block.data + r * block.rowBytes;
      T* out = grid.values.get() + ((block.y + r) * grid.width + block.x) * grid.channels + c;
      if (copyRows) {
        std::memcpy(out, row, block.columns * sizeof(T));
      } else {
        for (std::uint64_t x = 0; x < block.columns; ++x) {
          out[x * grid.channels] = SampleAt<T>(row, x * step + first, layout.bitsPerSample);
        }
      }
      if (deep) grid.Extend(out, block.columns, grid.channels);
    }
  }
}

template <typename T, typename Level>
void WritePixels(const SampleGrid<T>& grid, const Level& level, ImageBuffer& image) {
  for (std::uint64_t y = 0; y < grid.height; ++y) {
    std::uint8_t* row = image.PixelAddress(0, static_cast<std::int32_t>(y));
    const T* values = grid.values.get() + y * grid.width * grid.channels;
    if (grid.channels == 1) {
      for (std::uint64_t x = 0; x < grid.width; ++x) row[x] = level(values[x]);
    } else {
      for (std::uint64_t x = 0; x < grid.width; ++x) {
        const T* pixel = values + 3 * x;
        row[x] = GreyFromRgb(level(pixel[0]), level(pixel[1]), level(pixel[2]));
      }
    }
  }
}

// Samples of one or two bytes go through a table of every value they can hold.
template <typename T, typename Level>
void WriteGrey(const SampleGrid<T>& grid, const Level& level, ImageBuffer& image) {
  if constexpr (std::is_integral_v<T> && sizeof(T) <= 2) {
    using Index = std::make_unsigned_t<T>;
    std::vector<std::uint8_t> table(std::size_t{1} << (8 * sizeof(T)));
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = level(static_cast<T>(i));
    WritePixels(
        grid, [&table](T value) { return table[static_cast<Index>(value)]; }, image);
  } else {
    WritePixels(grid, level, image);
  }
}

template <typename T>
void ToGrey(const SampleGrid<T>& grid, const SampleLayout& layout, ImageBuffer& image) {
  if constexpr (std::is_integral_v<T> && sizeof(T) <= 2) {
    using Index = std::make_unsigned_t<T>;
    if (!layout.paletteGrey.empty()) {
      WriteGrey(
          grid, [&](T index) { return layout.paletteGrey[static_cast<Index>(index)]; }, image);
      return;
    }
  }
  const unsigned bits = layout.bitsPerSample;
  if (bits < 8) {
    const unsigned top = (1u << bits) - 1;
    WriteGrey(
        grid, [top](T value) { return static_cast<std::uint8_t>(value * 255u / top); }, image);
  } else if (bits == 8) {
    WriteGrey(
        grid, [](T value) { return static_cast<std::uint8_t>(value); }, image);
  } else {
    WriteGrey(grid, Stretch::Over(grid.range), image);
  }
}

template <typename T>
std::string Read(const LibtiffFile& file, const SampleLayout& layout, ImageBuffer& image) {
  SampleGrid<T> grid{layout.width, layout.height, layout.used.size(), {}, {}};
  const std::uint64_t bytes = grid.Count() * sizeof(T) + BlockBytes(file.Handle());
  if (bytes > kMaxDecodedBytes) {
    return "too large to decode: " + std::to_string(bytes >> 20) + " MiB of samples, at most " +
           std::to_string(kMaxDecodedBytes >> 20);
  }
  grid.values.reset(PixelAllocator<T>().allocate(grid.Count()));
  const std::vector<std::uint16_t> planes =
      layout.separatePlanes ? layout.used : std::vector<std::uint16_t>{0};
  const bool decoded = ForEachBlock(
      file.Handle(), planes, [&](const DecodedBlock& block) { TakeBlock(block, layout, grid); });
  if (!decoded) return file.DamageReason();
  image.Create(static_cast<std::int32_t>(layout.width), static_cast<std::int32_t>(layout.height),
               1);
  ToGrey(grid, layout, image);
  return "";
}

const char* SampleFormatName(std::uint16_t format) {
  switch (format) {
    case SAMPLEFORMAT_UINT:
      return "unsigned integer";
    case SAMPLEFORMAT_INT:
      return "signed integer";
    case SAMPLEFORMAT_IEEEFP:
      return "floating-point";
    default:
      return "unknown-format";
  }
}

}  // namespace

std::string ReadSamplesAsGrey(const LibtiffFile& file, const SampleLayout& layout,
                              ImageBuffer& image) {
  const unsigned bits = layout.bitsPerSample;
  try {
    switch (layout.sampleFormat) {
      case SAMPLEFORMAT_UINT:
        if (bits == 1 || bits == 2 || bits == 4 || bits == 8)
          return Read<std::uint8_t>(file, layout, image);
        if (bits == 16) return Read<std::uint16_t>(file, layout, image);
        if (bits == 32) return Read<std::uint32_t>(file, layout, image);
        break;
      case SAMPLEFORMAT_INT:
        // Signed bytes are taken as stored, as the built-in reader takes them.
        if (bits == 8) return Read<std::uint8_t>(file, layout, image);
        if (bits == 16) return Read<std::int16_t>(file, layout, image);
        if (bits == 32) return Read<std::int32_t>(file, layout, image);
        break;
      case SAMPLEFORMAT_IEEEFP:
        if (bits == 32) return Read<float>(file, layout, image);
        if (bits == 64) return Read<double>(file, layout, image);
        break;
      default:
        break;
    }
  } catch (const std::bad_alloc&) {
    return "not enough memory";
  }
  return std::to_string(bits) + "-bit " + SampleFormatName(layout.sampleFormat) +
         " samples are not read";
}

}  // namespace kep
