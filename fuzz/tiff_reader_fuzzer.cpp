// Feeds arbitrary bytes to the TIFF loading: the built-in reader and, for the
// files it leaves, libtiff.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "declared_size.h"
#include "image/tiff_file.h"
#include "memory_file.h"
#include "reload_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (kep::fuzz::DeclaredTiffPixels(data, size) > kep::fuzz::kMaxFuzzedPixels) return 0;
  static kep::fuzz::MemoryFile file;
  file.Replace(data, size);
  kep::fuzz::CheckLoadIgnoresOldContents([](kep::ImageBuffer& image) {
    kep::ImageFileDetails details;
    const int loaded = kep::LoadTiffFile(file.Path(), image, details);
    if (loaded == 0 && details.refusal.empty()) std::abort();  // every refusal has a reason
    return loaded;
  });
  return 0;
}
