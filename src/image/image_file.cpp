#include "image/image_file.h"

#include "image/tiff_reader.h"

namespace kep {

std::string PathExtension(const std::string& path) {
  const std::string::size_type dot = path.rfind('.');
  return dot == std::string::npos ? std::string() : path.substr(dot + 1);
}

ImageFileFormat FormatForPath(const std::string& path) {
  const std::string extension = PathExtension(path);
  if (extension == "BMP" || extension == "bmp") return ImageFileFormat::kBmp;
  if (extension == "TIF" || extension == "tif") return ImageFileFormat::kTiff;
  return ImageFileFormat::kNone;
}

const char* FormatName(ImageFileFormat format) {
  switch (format) {
    case ImageFileFormat::kBmp:
      return "BMP";
    case ImageFileFormat::kTiff:
      return "TIFF";
    case ImageFileFormat::kNone:
      break;
  }
  return "";
}

ImageLoadResult LoadImageFile(const std::string& path, ImageBuffer& image,
                              ImageFileDetails* details) {
  ImageFileDetails found;
  found.format = FormatForPath(path);
  int loaded = 0;
  switch (found.format) {
    case ImageFileFormat::kNone:
      return ImageLoadResult::kWrongExtension;
    case ImageFileFormat::kBmp:
      loaded = image.LoadBmp(path, found.bitsPerPixel);
      break;
    case ImageFileFormat::kTiff: {
      TiffReader reader;
      loaded = reader.Load(path, image);
      found.bitsPerPixel = static_cast<std::int32_t>(reader.BitsPerSample());
      break;
    }
  }
  if (details != nullptr) *details = found;
  return loaded == 1 ? ImageLoadResult::kLoaded : ImageLoadResult::kUnreadable;
}

}  // namespace kep
