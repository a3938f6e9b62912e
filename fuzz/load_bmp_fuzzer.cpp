// Feeds arbitrary bytes to the bitmap reader.

#include <cstddef>
#include <cstdint>

#include "image/image_buffer.h"
#include "memory_file.h"
#include "reload_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kep::fuzz::MemoryFile file;
  file.Replace(data, size);
  kep::fuzz::CheckLoadIgnoresOldContents(
      [](kep::ImageBuffer& image) { return image.LoadBmp(file.Path()); });
  return 0;
}
