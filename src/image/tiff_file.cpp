#include "image/tiff_file.h"

#include "image/libtiff_reader.h"
#include "image/tiff_reader.h"

namespace kep {

int LoadTiffFile(const std::string& path, ImageBuffer& image, ImageFileDetails& details) {
  TiffReader builtIn;
  const int loaded = builtIn.Load(path, image);
  details = builtIn.Details();
  if (loaded == 1 || !builtIn.LeavesFileToLibtiff()) return loaded;
  return LoadWithLibtiff(path, image, details);
}

}  // namespace kep
