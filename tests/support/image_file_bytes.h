#pragma once

// Image files built byte by byte, so that every reader case is visible in the
// test that uses it.

#include <cstdint>
#include <optional>
#include <vector>

namespace kep::test {

using Bytes = std::vector<std::uint8_t>;

// Appends integers in one byte order.
class ByteWriter {
 public:
  explicit ByteWriter(bool littleEndian = true) : m_littleEndian(littleEndian) {}
  ByteWriter& U8(std::uint32_t value);
  ByteWriter& U16(std::uint32_t value);
  ByteWriter& U32(std::uint32_t value);
  ByteWriter& Append(const Bytes& bytes);
  const Bytes& Data() const { return m_bytes; }

 private:
  bool m_littleEndian;
  Bytes m_bytes;
};

// A bitmap: file header, information header (40 bytes unless told otherwise,
// later fields zero), the palette bytes (blue, green, red, reserved per entry;
// 8-bit files), then the rows exactly as given: in file order, padding included.
// A negative height stores the top row first.
class BmpBuilder {
 public:
  BmpBuilder(std::int32_t width, std::int32_t height) : m_width(width), m_height(height) {}
  BmpBuilder& Bits(std::uint16_t bitsPerPixel);
  BmpBuilder& Compression(std::uint32_t compression);
  BmpBuilder& InfoHeaderSize(std::uint32_t size);
  BmpBuilder& Palette(const Bytes& palette);
  BmpBuilder& Rows(const Bytes& rows);
  // Default: right after the palette.
  BmpBuilder& PixelOffset(std::uint32_t offset);
  Bytes Build() const;

 private:
  std::int32_t m_width;
  std::int32_t m_height;
  std::uint16_t m_bitsPerPixel = 8;
  std::uint32_t m_compression = 0;
  std::uint32_t m_infoHeaderSize = 40;
  Bytes m_palette;
  Bytes m_rows;
  std::optional<std::uint32_t> m_pixelOffset;
};
// 256 palette entries with entry i = (i, i, i).
Bytes GreyPalette();

struct TiffEntry {
  std::uint16_t tag = 0;
  std::uint16_t type = 3;  // SHORT
  std::uint32_t count = 1;
  // A value that fits the 4-byte field (written left-justified for SHORT), or,
  // when inData is set, an offset into the data block that follows the directory.
  std::uint32_t value = 0;
  bool inData = false;
};

// A TIFF file: header, the one directory at offset 8 (entries as given, next
// directory offset 0), then the data block.
Bytes BuildTiff(bool littleEndian, const std::vector<TiffEntry>& entries, const Bytes& data);
// The usual tags of an uncompressed single-strip picture of the given bits per
// sample (8 or 24, written as one value) whose rows start the data block.
Bytes BuildPictureTiff(bool littleEndian, std::uint32_t width, std::uint32_t height,
                       std::uint16_t bitsPerSample, const Bytes& rows);

}  // namespace kep::test
