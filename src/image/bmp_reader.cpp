// Windows bitmap reading: uncompressed files of 8 bits per pixel (with a palette)
// or 24 bits per pixel, turned into grey levels.
//
// Layout read (little-endian): "BM" at 0, the pixel-data offset at 10, then the
// information header at 14, which starts with its own size (40 or more; later
// versions of the format only add fields at its end): width at 18, signed height
// at 22, bits per pixel at 28, compression at 30. For 8-bit files 256 palette
// entries of blue, green, red, reserved follow right after the information
// header, whatever its colour count says. Rows are padded to 4 bytes and stored
// bottom row first unless the height is negative.
//
// The image is created cleared, so every pixel for which the file holds no
// complete data (a short file, an offset past its end) is 0, and so is every
// palette entry past the end of the file.

#include <algorithm>
#include <array>
#include <cstdlib>
#include <new>
#include <span>
#include <string>
#include <vector>

#include "image/binary_file.h"
#include "image/byte_order.h"
#include "image/grey.h"
#include "image/image_buffer.h"
#include "image/image_file_details.h"
#include "image/image_size_limit.h"

namespace kep {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kMinInfoHeaderSize = 40;
constexpr std::size_t kPaletteEntries = 256;
constexpr std::size_t kPaletteEntrySize = 4;

using GreyTable = std::array<std::uint8_t, kPaletteEntries>;

struct BmpHeader {
  std::uint32_t pixelOffset = 0;
  std::uint32_t infoHeaderSize = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t bitsPerPixel = 0;
  std::uint32_t compression = 0;
};

// Reads the file header and the fields of the information header that every
// version has; the reason when they are incomplete or not a bitmap.
std::string ReadHeader(BinaryFile& file, BmpHeader& header) {
  std::array<std::uint8_t, kFileHeaderSize + kMinInfoHeaderSize> bytes{};
  const std::size_t got = file.Read(bytes.data(), bytes.size());
  if (got < 2 || bytes[0] != 'B' || bytes[1] != 'M') return "not a BMP file";
  if (got < bytes.size()) return "the bitmap headers are cut short";
  header.pixelOffset = LittleEndianValue(&bytes[10], 4);
  header.infoHeaderSize = LittleEndianValue(&bytes[14], 4);
  header.width = static_cast<std::int32_t>(LittleEndianValue(&bytes[18], 4));
  header.height = static_cast<std::int32_t>(LittleEndianValue(&bytes[22], 4));
  header.bitsPerPixel = static_cast<std::int32_t>(LittleEndianValue(&bytes[28], 2));
  header.compression = LittleEndianValue(&bytes[30], 4);
  return "";
}

// Why the reader does not read a file with this header; empty when it does.
std::string Refusal(const BmpHeader& header) {
  if (header.infoHeaderSize < kMinInfoHeaderSize) {
    return "an information header of " + std::to_string(header.infoHeaderSize) +
           " bytes is not read (40 or more)";
  }
  if (header.compression != 0) {
    return "compressed bitmaps are not read (compression " + std::to_string(header.compression) + ")";
  }
  if (header.bitsPerPixel != 8 && header.bitsPerPixel != 24) {
    return std::to_string(header.bitsPerPixel) + " bits per pixel are not read (8 or 24)";
  }
  const std::int64_t height = std::llabs(static_cast<std::int64_t>(header.height));
  if (!IsAcceptedImageSize(header.width, height)) return SizeRefusal(header.width, height);
  return "";
}

void Describe(const BmpHeader& header, ImageFileDetails& details) {
  const bool colour = header.bitsPerPixel == 24;
  details.compression = header.compression;
  details.samplesPerPixel = colour ? 3 : 1;
  details.bitsPerSample.assign(details.samplesPerPixel, 8);
  details.bitsPerPixel = header.bitsPerPixel;
}

// The grey level of each palette index; entries the file does not hold
// completely are 0.
GreyTable ReadGreyPalette(BinaryFile& file) {
  std::array<std::uint8_t, kPaletteEntries * kPaletteEntrySize> palette{};
  const std::size_t complete = file.Read(palette.data(), palette.size()) / kPaletteEntrySize;
  GreyTable grey{};
  for (std::size_t i = 0; i < complete; ++i) {
    const std::uint8_t* entry = &palette[i * kPaletteEntrySize];
    grey[i] = GreyFromRgb(entry[2], entry[1], entry[0]);
  }
  return grey;
}

// The image row that the n-th row of the file fills.
std::int32_t ImageRow(const BmpHeader& header, const ImageBuffer& image, std::int32_t n) {
  return header.height < 0 ? n : image.Height() - 1 - n;
}

bool IsIdentity(const GreyTable& grey) {
  for (std::size_t i = 0; i < grey.size(); ++i) {
    if (grey[i] != i) return false;
  }
  return true;
}

// The rows go straight into the image, padding and all; then each index read
// becomes its grey level, which a grey palette leaves as it is.
void Read8BitRows(BinaryFile& file, const BmpHeader& header, ImageBuffer& image,
                  const GreyTable& grey) {
  const auto rowBytes = static_cast<std::size_t>(image.Stride());
  const auto width = static_cast<std::size_t>(image.Width());
  std::vector<std::span<std::uint8_t>> rows;
  for (std::int32_t n = 0; n < image.Height(); ++n) {
    rows.emplace_back(image.PixelAddress(0, ImageRow(header, image, n)), rowBytes);
  }
  std::size_t got = file.ReadAtInto(header.pixelOffset, rows);
  if (IsIdentity(grey)) return;
  for (std::span<std::uint8_t> row : rows) {
    const std::size_t pixels = std::min(got, width);
    for (std::size_t x = 0; x < pixels; ++x) row[x] = grey[row[x]];
    if (got < rowBytes) return;
    got -= rowBytes;
  }
}

void Read24BitRows(BinaryFile& file, const BmpHeader& header, ImageBuffer& image) {
  const auto width = static_cast<std::size_t>(image.Width());
  std::vector<std::uint8_t> scratch((3 * width + 3) / 4 * 4);
  for (std::int32_t n = 0; n < image.Height(); ++n) {
    std::uint8_t* row = image.PixelAddress(0, ImageRow(header, image, n));
    const std::size_t got = file.Read(scratch.data(), scratch.size());
    for (std::size_t x = 0; x < std::min(got / 3, width); ++x) {
      row[x] = GreyFromRgb(scratch[3 * x + 2], scratch[3 * x + 1], scratch[3 * x]);
    }
    if (got < scratch.size()) return;
  }
}

}  // namespace

int ImageBuffer::LoadBmp(const std::string& path) {
  ImageFileDetails details;
  return LoadBmp(path, details);
}

int ImageBuffer::LoadBmp(const std::string& path, ImageFileDetails& details) {
  details = ImageFileDetails{};
  details.format = ImageFileFormat::kBmp;
  details.decoder = ImageDecoder::kBuiltIn;
  BinaryFile file;
  if (!file.Open(path)) {
    details.refusal = "the file cannot be opened";
    return 0;
  }
  BmpHeader header;
  details.refusal = ReadHeader(file, header);
  if (details.refusal.empty()) details.refusal = Refusal(header);
  if (!details.refusal.empty()) return 0;
  Describe(header, details);
  try {
    Create(header.width, header.height, 1);
    if (header.bitsPerPixel == 8) {
      file.Seek(kFileHeaderSize + std::uint64_t{header.infoHeaderSize});
      const GreyTable grey = ReadGreyPalette(file);
      Read8BitRows(file, header, *this, grey);
    } else {
      file.Seek(header.pixelOffset);
      Read24BitRows(file, header, *this);
    }
  } catch (const std::bad_alloc&) {
    details.refusal = "not enough memory";
    return 0;
  }
  return 1;
}

}  // namespace kep
