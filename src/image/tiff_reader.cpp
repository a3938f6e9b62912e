// The built-in TIFF reader's header and directory: which tags the file holds and
// whether the reader reads the picture they describe.

#include "image/tiff_reader.h"

#include <algorithm>

#include "image/byte_order.h"
#include "image/image_size_limit.h"

namespace kep {
namespace {

constexpr std::uint32_t kNotRead = 65535;
constexpr std::uint8_t kTiffMagic = 42;
constexpr std::uint8_t kBigTiffMagic = 43;
constexpr const char* kNotTiff = "not a TIFF file";
constexpr std::uint32_t kEntrySize = 12;
constexpr std::uint32_t kPaletteEntries = 256;

enum Tag : std::uint32_t {
  kImageWidth = 256,
  kImageLength = 257,
  kBitsPerSample = 258,
  kCompression = 259,
  kPhotometric = 262,
  kFillOrder = 266,
  kStripOffsets = 273,
  kSamplesPerPixel = 277,
  kRowsPerStrip = 278,
  kPlanarConfig = 284,
  kColourMap = 320,
  kTileWidth = 322,
  kTileByteCounts = 325,
};

enum FieldType : std::uint32_t { kByte = 1, kShort = 3, kLong = 4, kRational = 5 };

enum Photometric : std::uint32_t { kBlackIsZero = 1, kRgb = 2, kPaletteColour = 3 };

}  // namespace

int TiffReader::Load(const std::string& path, ImageBuffer& image) {
  m_imageWidth = m_imageHeight = m_bitsPerSample = m_compression = m_photometric = m_fillOrder =
      m_stripOffsets = m_samplesPerPixel = m_rowsPerStrip = m_planarConfig = m_colourMap =
          m_tiles = Entry{};
  m_details = ImageFileDetails{};
  m_details.format = ImageFileFormat::kTiff;
  m_details.decoder = ImageDecoder::kBuiltIn;
  m_leavesToLibtiff = false;
  if (!m_file.Open(path)) {
    m_details.refusal = "the file cannot be opened";
    return 0;
  }
  std::string refusal = Examine();
  m_leavesToLibtiff = !refusal.empty() && refusal != kNotTiff;
  if (refusal.empty()) refusal = ReadPixels(image);
  m_file = BinaryFile{};
  m_details.refusal = refusal;
  return refusal.empty() ? 1 : 0;
}

std::string TiffReader::Examine() {
  std::string refusal = ReadHeader();
  if (!refusal.empty()) return refusal;
  if (ParseDirectory() != 1) return "the directory has no entries";
  Describe();
  refusal = ChoosePixelForm();
  if (!refusal.empty()) return refusal;
  const std::uint32_t width = FirstValue(m_imageWidth);
  const std::uint32_t height = FirstValue(m_imageHeight);
  return IsAcceptedImageSize(width, height) ? "" : SizeRefusal(width, height);
}

// Only three header bytes are tested: "II" with 42 at position 2, or "MM" with
// 42 at position 3. The large form of the format has 43 there.
std::string TiffReader::ReadHeader() {
  m_header.fill(0);
  m_file.ReadAt(0, m_header.data(), m_header.size());
  const bool little = m_header[0] == 'I' && m_header[1] == 'I';
  const bool big = m_header[0] == 'M' && m_header[1] == 'M';
  const std::uint8_t version = little ? m_header[2] : big ? m_header[3] : 0;
  if (version == kBigTiffMagic) return "the large form of the format";
  if (version != kTiffMagic) return kNotTiff;
  m_littleEndian = little;
  if (little) {
    m_directoryOffset = LittleEndianValue(&m_header[4], 4);
    return "";
  }
  m_directoryOffset = ReadLong(4);
  return static_cast<std::int32_t>(m_directoryOffset) >= 0 ? "" : "the directory offset is negative";
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

std::vector<std::uint32_t> TiffReader::Values(const Entry& entry, std::uint32_t count) {
  std::vector<std::uint32_t> values(count, entry.count == 0 ? 0 : kNotRead);
  if (entry.count == 0 || (entry.type != kShort && entry.type != kLong)) return values;
  const std::size_t size = entry.type == kShort ? 2 : 4;
  const bool inField = entry.count * size <= 4;
  const std::uint64_t start = inField ? entry.valueField : ReadLong(entry.valueField);
  std::vector<std::uint8_t> bytes(count * size);
  const std::size_t got = m_file.ReadAt(start, bytes.data(), bytes.size());
  for (std::size_t i = 0; (i + 1) * size <= got; ++i) {
    const std::uint8_t* value = &bytes[i * size];
    const int length = static_cast<int>(size);
    values[i] = m_littleEndian ? LittleEndianValue(value, length) : BigEndianValue(value, length);
  }
  return values;
}

int TiffReader::ParseDirectory() {
  const std::uint32_t entries = ReadShort(m_directoryOffset);
  if (entries < 1) return 0;
  for (std::uint32_t i = 0; i < entries && EntryOffset(i) < m_file.Size(); ++i) ParseEntry(i);
  return 1;
}

// An entry with count 0 or a type outside 1..5 is skipped; a later entry of the
// same tag replaces an earlier one.
void TiffReader::ParseEntry(std::uint32_t entryIndex) {
  const std::uint64_t offset = EntryOffset(entryIndex);
  Entry* entry = TagEntry(ReadShort(offset));
  if (entry == nullptr) return;
  const std::uint32_t count = ReadLong(offset + 4);
  if (count == 0) return;
  const std::uint32_t type = ReadShort(offset + 2);
  if (type < kByte || type > kRational) return;
  *entry = Entry{type, count, offset + 8};
}

TiffReader::Entry* TiffReader::TagEntry(std::uint32_t tag) {
  switch (tag) {
    case kImageWidth:
      return &m_imageWidth;
    case kImageLength:
      return &m_imageHeight;
    case kBitsPerSample:
      return &m_bitsPerSample;
    case kCompression:
      return &m_compression;
    case kPhotometric:
      return &m_photometric;
    case kFillOrder:
      return &m_fillOrder;
    case kStripOffsets:
      return &m_stripOffsets;
    case kSamplesPerPixel:
      return &m_samplesPerPixel;
    case kRowsPerStrip:
      return &m_rowsPerStrip;
    case kPlanarConfig:
      return &m_planarConfig;
    case kColourMap:
      return &m_colourMap;
    default:
      // Tile width, length, offsets or byte counts: any of them makes a tiled file.
      return tag >= kTileWidth && tag <= kTileByteCounts ? &m_tiles : nullptr;
  }
}

void TiffReader::Describe() {
  m_details.compression = FirstValue(m_compression);
  m_details.samplesPerPixel = m_samplesPerPixel.count == 0 ? 1 : FirstValue(m_samplesPerPixel);
  const std::uint32_t listed = std::min<std::uint32_t>(m_bitsPerSample.count, kMaxListedSamples);
  m_details.bitsPerSample = Values(m_bitsPerSample, listed);
}

std::string TiffReader::ChoosePixelForm() {
  const std::uint32_t compression = FirstValue(m_compression);
  if (compression != 1) return "compression " + std::to_string(compression);
  if (m_tiles.count != 0) return "tiles";
  if (m_planarConfig.count != 0 && FirstValue(m_planarConfig) != 1) return "separate planes";
  if (m_fillOrder.count != 0 && FirstValue(m_fillOrder) != 1) return "reversed bit order";
  if (FirstValue(m_bitsPerSample) == 24) {
    m_form = PixelForm::kRedGreenBlue;
    m_bytesPerPixel = 3;
    m_details.bitsPerPixel = 24;
    return "";
  }
  return ChooseEightBitForm();
}

// Grey (the stored byte, further samples ignored), palette, or red, green and
// blue with or without alpha; one byte per sample.
std::string TiffReader::ChooseEightBitForm() {
  const std::uint32_t samples = m_details.samplesPerPixel;
  if (samples < 1 || samples > 4) return std::to_string(samples) + " samples per pixel";
  if (!AllSamplesHaveEightBits()) return "samples other than 8 bits";
  m_bytesPerPixel = samples;
  m_details.bitsPerPixel = static_cast<std::int32_t>(8 * samples);
  const bool stated = m_photometric.count != 0;
  const std::uint32_t photometric = FirstValue(m_photometric);
  if (samples == 1 && photometric == kPaletteColour) {
    if (m_colourMap.type != kShort || m_colourMap.count != 3 * kPaletteEntries) {
      return "a palette without a colour map of 256 entries";
    }
    m_form = PixelForm::kPalette;
    return "";
  }
  const bool greyWithAlpha = samples == 2 && (!stated || photometric <= kBlackIsZero);
  if (samples == 1 || greyWithAlpha) {
    m_form = PixelForm::kFirstSample;
    return "";
  }
  if (samples >= 3 && (!stated || photometric == kRgb)) {
    m_form = PixelForm::kRedGreenBlue;
    return "";
  }
  return "photometric interpretation " + std::to_string(photometric) + " with " +
         std::to_string(samples) + " samples";
}

// A list shorter than the samples (one value for all of them) counts as given.
bool TiffReader::AllSamplesHaveEightBits() {
  const std::uint32_t listed = std::min(m_bitsPerSample.count, m_details.samplesPerPixel);
  const std::vector<std::uint32_t> bits = Values(m_bitsPerSample, listed);
  return listed > 0 && std::all_of(bits.begin(), bits.end(), [](std::uint32_t b) { return b == 8; });
}

}  // namespace kep
