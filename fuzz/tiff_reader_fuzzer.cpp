// Feeds arbitrary bytes to the TIFF reader.

#include <cstddef>
#include <cstdint>

#include "image/tiff_reader.h"
#include "memory_file.h"
#include "reload_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kep::fuzz::MemoryFile file;
  file.Replace(data, size);
  kep::fuzz::CheckLoadIgnoresOldContents([](kep::ImageBuffer& image) {
    kep::TiffReader reader;
    return reader.Load(file.Path(), image);
  });
  return 0;
}
