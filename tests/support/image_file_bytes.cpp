#include "support/image_file_bytes.h"

#include <algorithm>

namespace kep::test {

ByteWriter& ByteWriter::U8(std::uint32_t value) {
  m_bytes.push_back(static_cast<std::uint8_t>(value));
  return *this;
}

ByteWriter& ByteWriter::U16(std::uint32_t value) {
  return m_littleEndian ? U8(value).U8(value >> 8) : U8(value >> 8).U8(value);
}

ByteWriter& ByteWriter::U32(std::uint32_t value) {
  return m_littleEndian ? U16(value).U16(value >> 16) : U16(value >> 16).U16(value);
}

ByteWriter& ByteWriter::Append(const Bytes& bytes) {
  m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
  return *this;
}

BmpBuilder& BmpBuilder::Bits(std::uint16_t bitsPerPixel) {
  m_bitsPerPixel = bitsPerPixel;
  return *this;
}

BmpBuilder& BmpBuilder::Compression(std::uint32_t compression) {
  m_compression = compression;
  return *this;
}

BmpBuilder& BmpBuilder::InfoHeaderSize(std::uint32_t size) {
  m_infoHeaderSize = size;
  return *this;
}

BmpBuilder& BmpBuilder::Palette(const Bytes& palette) {
  m_palette = palette;
  return *this;
}

BmpBuilder& BmpBuilder::Rows(const Bytes& rows) {
  m_rows = rows;
  return *this;
}

BmpBuilder& BmpBuilder::PixelOffset(std::uint32_t offset) {
  m_pixelOffset = offset;
  return *this;
}

Bytes BmpBuilder::Build() const {
  const std::uint32_t infoBytes = std::max<std::uint32_t>(m_infoHeaderSize, 40);
  const auto dataOffset = static_cast<std::uint32_t>(14 + infoBytes + m_palette.size());
  ByteWriter out;
  out.U8('B').U8('M').U32(static_cast<std::uint32_t>(dataOffset + m_rows.size())).U32(0);
  out.U32(m_pixelOffset.value_or(dataOffset));
  out.U32(m_infoHeaderSize).U32(static_cast<std::uint32_t>(m_width)).U32(static_cast<std::uint32_t>(m_height));
  out.U16(1).U16(m_bitsPerPixel).U32(m_compression);
  out.U32(static_cast<std::uint32_t>(m_rows.size())).U32(2835).U32(2835).U32(0).U32(0);
  out.Append(Bytes(infoBytes - 40, 0));
  return out.Append(m_palette).Append(m_rows).Data();
}

Bytes GreyPalette() {
  ByteWriter out;
  for (std::uint32_t i = 0; i < 256; ++i) out.U8(i).U8(i).U8(i).U8(0);
  return out.Data();
}

Bytes BuildTiff(bool littleEndian, const std::vector<TiffEntry>& entries, const Bytes& data) {
  const auto dataOffset = static_cast<std::uint32_t>(8 + 2 + 12 * entries.size() + 4);
  ByteWriter out(littleEndian);
  if (littleEndian) {
    out.U8('I').U8('I');
  } else {
    out.U8('M').U8('M');
  }
  out.U16(42).U32(8).U16(static_cast<std::uint32_t>(entries.size()));
  for (const TiffEntry& entry : entries) {
    out.U16(entry.tag).U16(entry.type).U32(entry.count);
    if (entry.inData) {
      out.U32(dataOffset + entry.value);
    } else if (entry.type == 3) {
      out.U16(entry.value).U16(0);
    } else {
      out.U32(entry.value);
    }
  }
  return out.U32(0).Append(data).Data();
}

Bytes BuildPictureTiff(bool littleEndian, std::uint32_t width, std::uint32_t height,
                       std::uint16_t bitsPerSample, const Bytes& rows) {
  const std::uint32_t samples = bitsPerSample == 24 ? 3 : 1;
  return BuildTiff(littleEndian,
                   {{256, 4, 1, width},
                    {257, 4, 1, height},
                    {258, 3, 1, bitsPerSample},
                    {259, 3, 1, 1},
                    {262, 3, 1, samples == 3 ? 2u : 1u},
                    {273, 4, 1, 0, true},
                    {277, 3, 1, samples},
                    {278, 4, 1, height},
                    {279, 4, 1, static_cast<std::uint32_t>(rows.size())}},
                   rows);
}

}  // namespace kep::test
