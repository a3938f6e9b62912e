#include "reload_check.h"

#include <cstdlib>
#include <cstring>

namespace kep::fuzz {
namespace {

bool SamePicture(const ImageBuffer& a, const ImageBuffer& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  if (!a.IsLoaded()) return true;  // no pixels to compare
  for (std::int32_t y = 0; y < a.Height(); ++y) {
    if (std::memcmp(a.PixelAddress(0, y), b.PixelAddress(0, y),
                    static_cast<std::size_t>(a.Width())) != 0) {
      return false;
    }
  }
  return true;
}

}  // namespace

void CheckLoadIgnoresOldContents(const std::function<int(ImageBuffer&)>& load) {
  ImageBuffer fresh;
  const int freshResult = load(fresh);

  ImageBuffer reused;
  reused.Create(67, 45, 1);
  std::memset(reused.Data(), 0xA5, reused.ByteCount());
  const int reusedResult = load(reused);

  if (freshResult != reusedResult) std::abort();
  if (freshResult == 1 && !SamePicture(fresh, reused)) std::abort();
}

}  // namespace kep::fuzz
