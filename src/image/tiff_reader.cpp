#include "image/tiff_reader.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <vector>

#include "image/byte_order.h"
#include "image/grey.h"
#include "image/image_size_limit.h"

namespace kep {
namespace {

constexpr std::uint32_t kNotRead = 65535;
constexpr std::uint8_t kTiffMagic = 42;
constexpr std::uint32_t kEntrySize = 12;

enum Tag : std::uint32_t {
  kImageWidth = 256,
  kImageLength = 257,
  kBitsPerSample = 258,
  kCompression = 259,
  kStripOffsets = 273,
};

enum FieldType : std::uint32_t { kByte = 1, kShort = 3, kLong = 4, kRational = 5 };

}  // namespace

int TiffReader::Load(const std::string& path, ImageBuffer& image) {
  m_imageWidth = m_imageHeight = m_bitsPerSample = m_compression = m_stripOffset = 0;
  if (!m_file.Open(path)) return 0;
  int result = 0;
  if (ReadHeader(path) && ParseDirectory() == 1 && m_compression == 1 &&
      (m_bitsPerSample == 8 || m_bitsPerSample == 24) &&
      IsAcceptedImageSize(m_imageWidth, m_imageHeight)) {
    try {
      image.Create(static_cast<std::int32_t>(m_imageWidth),
                   static_cast<std::int32_t>(m_imageHeight), 1);
      ReadRows(image);
      result = 1;
    } catch (const std::bad_alloc&) {
      result = 0;
    }
  }
  m_file = BinaryFile{};
  return result;
}

// Only three header bytes are tested: "II" with 42 at position 2, or "MM" with
// 42 at position 3.
bool TiffReader::ReadHeader(const std::string& path) {
  m_header.fill(0);
  m_file.ReadAt(0, m_header.data(), m_header.size());
  if (m_header[0] == 'I' && m_header[1] == 'I' && m_header[2] == kTiffMagic) {
    m_littleEndian = true;
    m_directoryOffset = LittleEndianValue(&m_header[4], 4);
    return true;
  }
  if (m_header[0] == 'M' && m_header[1] == 'M' && m_header[3] == kTiffMagic) {
    m_littleEndian = false;
    m_directoryOffset = ReadLong(4);
    return static_cast<std::int32_t>(m_directoryOffset) >= 0;
  }
  std::fprintf(stderr, "%s, is not a TIFF file\n", path.c_str());
  return false;
}

std::uint32_t TiffReader::ReadShort(std::uint64_t offset) {
  std::uint8_t bytes[2];
  if (m_file.ReadAt(offset, bytes, 2) < 2) return kNotRead;
  return m_littleEndian ? LittleEndianValue(bytes, 2) : BigEndianValue(bytes, 2);
}

std::uint32_t TiffReader::ReadLong(std::uint64_t offset) {
  std::uint8_t bytes[4];
  if (m_file.ReadAt(offset, bytes, 4) < 4) return kNotRead;
  return m_littleEndian ? LittleEndianValue(bytes, 4) : BigEndianValue(bytes, 4);
}

std::uint64_t TiffReader::EntryOffset(std::uint32_t entryIndex) const {
  return std::uint64_t{m_directoryOffset} + 2 + std::uint64_t{kEntrySize} * entryIndex;
}

// Values that fit in the entry's 4-byte value field are stored there; longer
// lists are stored at the offset that the field holds.
std::uint32_t TiffReader::ReadValue(std::uint32_t type, std::uint32_t entryIndex,
                                    std::uint32_t count) {
  const std::uint64_t valueField = EntryOffset(entryIndex) + 8;
  switch (type) {
    case kShort:
      return ReadShort(count <= 2 ? valueField : ReadLong(valueField));
    case kLong:
      return ReadLong(count <= 1 ? valueField : ReadLong(valueField));
    default:
      return kNotRead;
  }
}

int TiffReader::ParseDirectory() {
  const std::uint32_t entries = ReadShort(m_directoryOffset);
  if (entries < 1) return 0;
  for (std::uint32_t i = 0; i < entries; ++i) ParseEntry(i);
  return 1;
}

void TiffReader::ParseEntry(std::uint32_t entryIndex) {
  const std::uint64_t entry = EntryOffset(entryIndex);
  std::uint32_t* field = TagField(ReadShort(entry));
  if (field == nullptr) return;
  const std::uint32_t count = ReadLong(entry + 4);
  if (count == 0) return;
  const std::uint32_t type = ReadShort(entry + 2);
  if (type < kByte || type > kRational) return;
  *field = ReadValue(type, entryIndex, count);
}

std::uint32_t* TiffReader::TagField(std::uint32_t tag) {
  switch (tag) {
    case kImageWidth:
      return &m_imageWidth;
    case kImageLength:
      return &m_imageHeight;
    case kBitsPerSample:
      return &m_bitsPerSample;
    case kCompression:
      return &m_compression;
    case kStripOffsets:
      return &m_stripOffset;
    default:
      return nullptr;
  }
}

// Rows follow each other from the first strip offset, without padding. Reading
// stops at the end of the file; the rest of the cleared image stays 0.
void TiffReader::ReadRows(ImageBuffer& image) {
  const auto width = static_cast<std::size_t>(image.Width());
  m_file.Seek(m_stripOffset);
  if (m_bitsPerSample == 8) {
    for (std::int32_t y = 0; y < image.Height(); ++y) {
      if (m_file.Read(image.PixelAddress(0, y), width) < width) return;
    }
    return;
  }
  std::vector<std::uint8_t> scratch(3 * width);
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    const std::size_t got = m_file.Read(scratch.data(), scratch.size());
    std::uint8_t* row = image.PixelAddress(0, y);
    for (std::size_t x = 0; x < got / 3; ++x) {
      row[x] = GreyFromRgb(scratch[3 * x], scratch[3 * x + 1], scratch[3 * x + 2]);
    }
    if (got < scratch.size()) return;
  }
}

}  // namespace kep
