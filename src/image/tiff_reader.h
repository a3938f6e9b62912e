#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "image/binary_file.h"
#include "image/image_buffer.h"

namespace kep {

// Reads the first image of an uncompressed TIFF file, in either byte order, with
// 8 bits per pixel (the stored byte is the grey level) or 24 (red, green, blue
// converted to grey). Only the first directory and the first strip offset are
// used; the strips are taken to follow each other, top row first. Photometric
// interpretation, colour map and orientation are not consulted, and of the
// bits-per-sample values only the first counts.
class TiffReader {
 public:
  // 1 on success, 0 on failure. A file whose header is neither "II*" nor "MM?*"
  // also gets the line "PATH, is not a TIFF file" on standard error. The image
  // is created cleared, so pixels the file holds no complete data for are 0.
  int Load(const std::string& path, ImageBuffer& image);

  // The first bits-per-sample value of the last file read (0 when it had none).
  std::uint32_t BitsPerSample() const { return m_bitsPerSample; }

 private:
  // Values read from the file in its byte order; 65535 when the file ends first.
  std::uint32_t ReadShort(std::uint64_t offset);
  std::uint32_t ReadLong(std::uint64_t offset);
  // The first value of directory entry i; 65535 for types that are not decoded.
  std::uint32_t ReadValue(std::uint32_t type, std::uint32_t entryIndex, std::uint32_t count);
  // 0 when the directory claims no entries, else parses every entry and gives 1.
  int ParseDirectory();
  void ParseEntry(std::uint32_t entryIndex);
  std::uint64_t EntryOffset(std::uint32_t entryIndex) const;
  std::uint32_t* TagField(std::uint32_t tag);
  bool ReadHeader(const std::string& path);
  void ReadRows(ImageBuffer& image);

  std::array<std::uint8_t, 8> m_header{};  // byte-order mark, version, directory offset
  std::uint32_t m_directoryOffset = 0;
  std::uint32_t m_imageWidth = 0;
  std::uint32_t m_imageHeight = 0;
  std::uint32_t m_bitsPerSample = 0;
  std::uint32_t m_compression = 0;
  std::uint32_t m_stripOffset = 0;
  BinaryFile m_file;  // open only while loading
  bool m_littleEndian = true;
};

}  // namespace kep
