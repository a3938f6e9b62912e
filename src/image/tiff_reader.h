#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "image/binary_file.h"
#include "image/image_buffer.h"
#include "image/image_file_details.h"

namespace kep {

// The built-in reader of the first image of an uncompressed TIFF file, in either
// byte order, stored in strips of whole pixels of 8-bit samples: grey (the stored
// byte is the grey level, whatever the photometric interpretation says; further
// samples such as alpha are ignored), palette (the grey of the colour map
// entry), red-green-blue with or without alpha (converted to grey), and the old
// form whose one bits-per-sample value is 24 (red, green, blue triples). Each
// strip is read from its own offset. The orientation is not consulted.
//
// Everything else it refuses without touching the image, leaving the file to
// libtiff (see tiff_file.h): other compressions, tiles, separate planes,
// reversed bit order, other sample sizes and colour spaces, damaged directories.
class TiffReader {
 public:
  // 1 on success, 0 on failure. The image is created cleared, so pixels the
  // file holds no complete data for are 0.
  int Load(const std::string& path, ImageBuffer& image);

  // What the last file held as far as the reader looked, and why it was refused.
  const ImageFileDetails& Details() const { return m_details; }
  // Whether the last file refused is one for libtiff: a TIFF file (or the large
  // form of the format) that the reader does not read, or a damaged one, whose
  // damage libtiff then names.
  bool LeavesFileToLibtiff() const { return m_leavesToLibtiff; }

 private:
  // Where a directory entry's values lie; count 0 for a tag the directory lacks.
  struct Entry {
    std::uint32_t type = 0;
    std::uint32_t count = 0;
    std::uint64_t valueField = 0;
  };
  // How the bytes of a pixel become its grey level.
  enum class PixelForm { kFirstSample, kPalette, kRedGreenBlue };

  // Values read from the file in its byte order; 65535 when the file ends first.
  std::uint32_t ReadShort(std::uint64_t offset);
  std::uint32_t ReadLong(std::uint64_t offset);
  // The first `count` values of an entry, read in one go: values that fit the
  // 4-byte value field are stored there, longer lists at the offset the field
  // holds. 0 for a missing tag; 65535 for the types that are not decoded (BYTE,
  // ASCII, RATIONAL) and for values past the end of the file.
  std::vector<std::uint32_t> Values(const Entry& entry, std::uint32_t count);
  std::uint32_t FirstValue(const Entry& entry) { return Values(entry, 1)[0]; }
  // 0 when the directory claims no entries, else parses every entry and gives 1.
  int ParseDirectory();
  void ParseEntry(std::uint32_t entryIndex);
  std::uint64_t EntryOffset(std::uint32_t entryIndex) const;
  Entry* TagEntry(std::uint32_t tag);
  // The reason the header is not one the reader reads; empty when it is.
  std::string ReadHeader();

  // Reads the header and the directory and settles how pixels are stored; the
  // reason when the reader does not read the file.
  std::string Examine();
  std::string ChoosePixelForm();
  std::string ChooseEightBitForm();
  bool AllSamplesHaveEightBits();
  void Describe();

  // Pixel reading (tiff_reader_strips.cpp).
  std::string ReadPixels(ImageBuffer& image);
  void ReadColourMap();
  void ReadStrips(ImageBuffer& image);
  // Reads rows [first, end) from offset; stops where the file ends.
  void ReadRows(std::uint64_t offset, std::int64_t first, std::int64_t end, ImageBuffer& image);
  void ConvertRow(const std::uint8_t* samples, std::size_t pixels, std::uint8_t* row) const;

  std::array<std::uint8_t, 8> m_header{};  // byte-order mark, version, directory offset
  std::uint32_t m_directoryOffset = 0;
  Entry m_imageWidth, m_imageHeight, m_bitsPerSample, m_compression, m_photometric,
      m_fillOrder, m_stripOffsets, m_samplesPerPixel, m_rowsPerStrip, m_planarConfig,
      m_colourMap, m_tiles;
  BinaryFile m_file;  // open only while loading
  bool m_littleEndian = true;
  bool m_leavesToLibtiff = false;

  PixelForm m_form = PixelForm::kFirstSample;
  std::uint32_t m_bytesPerPixel = 1;
  std::array<std::uint8_t, 256> m_paletteGrey{};
  std::vector<std::uint8_t> m_rowBytes;  // one row of samples as stored
  ImageFileDetails m_details;
};

}  // namespace kep
