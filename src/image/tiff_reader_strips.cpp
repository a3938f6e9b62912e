// The built-in TIFF reader's pixels: strips of whole rows, each strip at its own
// offset, turned into grey levels row by row.

#include <algorithm>
#include <array>
#include <new>
#include <span>
#include <vector>

#include "image/grey.h"
#include "image/tiff_reader.h"

namespace kep {

std::string TiffReader::ReadPixels(ImageBuffer& image) {
  try {
    if (m_form == PixelForm::kPalette) ReadColourMap();
    image.Create(static_cast<std::int32_t>(FirstValue(m_imageWidth)),
                 static_cast<std::int32_t>(FirstValue(m_imageHeight)), 1);
    ReadStrips(image);
  } catch (const std::bad_alloc&) {
    return "not enough memory";
  }
  return "";
}

// The colour map holds all red values, then all green, then all blue, each a
// 16-bit number of which the high byte counts. Bytes past the end of the file
// are 0.
void TiffReader::ReadColourMap() {
  constexpr std::size_t kEntries = 256;
  std::array<std::uint8_t, 3 * kEntries * 2> bytes{};
  m_file.ReadAt(ReadLong(m_colourMap.valueField), bytes.data(), bytes.size());
  const std::size_t high = m_littleEndian ? 1 : 0;
  auto level = [&](std::size_t value) { return bytes[2 * value + high]; };
  for (std::size_t i = 0; i < kEntries; ++i) {
    m_paletteGrey[i] = GreyFromRgb(level(i), level(kEntries + i), level(2 * kEntries + i));
  }
}

// Strip s holds rows s * RowsPerStrip onwards (one strip for the whole image when
// the tag is missing or 0). A strip beyond the listed offsets follows the one
// before it, so that a file whose strips follow each other reads the same
// whether or not all its offsets are listed. Strips that follow each other are
// read as one run of rows.
void TiffReader::ReadStrips(ImageBuffer& image) {
  const std::int64_t height = image.Height();
  const std::uint32_t rowsPerStrip = FirstValue(m_rowsPerStrip);
  const std::int64_t stripRows =
      rowsPerStrip == 0 ? std::max<std::int64_t>(height, 1) : rowsPerStrip;
  const std::uint64_t rowBytes =
      std::uint64_t{m_bytesPerPixel} * static_cast<std::uint64_t>(image.Width());
  m_rowBytes.resize(rowBytes);
  const std::int64_t strips = (height + stripRows - 1) / stripRows;
  const std::vector<std::uint32_t> offsets =
      Values(m_stripOffsets,
             static_cast<std::uint32_t>(std::min<std::int64_t>(m_stripOffsets.count, strips)));
  std::uint64_t runOffset = offsets.empty() ? 0 : offsets[0];
  std::int64_t runFirst = 0;
  for (std::int64_t first = stripRows; first < height; first += stripRows) {
    const auto strip = static_cast<std::size_t>(first / stripRows);
    const std::uint64_t following =
        runOffset + static_cast<std::uint64_t>(first - runFirst) * rowBytes;
    if (strip >= offsets.size() || offsets[strip] == following) continue;
    ReadRows(runOffset, runFirst, first, image);
    runOffset = offsets[strip];
    runFirst = first;
  }
  ReadRows(runOffset, runFirst, height, image);
}

// Single-byte pixels go straight into the image rows, all rows of the strip at
// once; wider ones through a row of samples. Only complete pixels are converted.
void TiffReader::ReadRows(std::uint64_t offset, std::int64_t first, std::int64_t end,
                          ImageBuffer& image) {
  const std::size_t rowBytes = m_rowBytes.size();
  if (m_bytesPerPixel == 1) {
    std::vector<std::span<std::uint8_t>> rows;
    for (std::int64_t y = first; y < end; ++y) {
      rows.emplace_back(image.PixelAddress(0, static_cast<std::int32_t>(y)), rowBytes);
    }
    std::size_t got = m_file.ReadAtInto(offset, rows);
    for (std::span<std::uint8_t> row : rows) {
      ConvertRow(row.data(), std::min(got, rowBytes), row.data());
      if (got < rowBytes) return;
      got -= rowBytes;
    }
    return;
  }
  m_file.Seek(offset);
  for (std::int64_t y = first; y < end; ++y) {
    const std::size_t got = m_file.Read(m_rowBytes.data(), rowBytes);
    ConvertRow(m_rowBytes.data(), got / m_bytesPerPixel,
               image.PixelAddress(0, static_cast<std::int32_t>(y)));
    if (got < rowBytes) return;
  }
}

void TiffReader::ConvertRow(const std::uint8_t* samples, std::size_t pixels,
                            std::uint8_t* row) const {
  const std::size_t step = m_bytesPerPixel;
  switch (m_form) {
    case PixelForm::kFirstSample:
      if (step == 1) return;  // read in place
      for (std::size_t x = 0; x < pixels; ++x) row[x] = samples[x * step];
      return;
    case PixelForm::kPalette:
      for (std::size_t x = 0; x < pixels; ++x) row[x] = m_paletteGrey[samples[x * step]];
      return;
    case PixelForm::kRedGreenBlue:
      for (std::size_t x = 0; x < pixels; ++x) {
        const std::uint8_t* pixel = samples + x * step;
        row[x] = GreyFromRgb(pixel[0], pixel[1], pixel[2]);
      }
      return;
  }
}

}  // namespace kep
