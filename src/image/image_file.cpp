#include "image/image_file.h"

#include <tiffio.h>

#include "image/tiff_file.h"

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

const char* DecoderName(ImageDecoder decoder) {
  switch (decoder) {
    case ImageDecoder::kBuiltIn:
      return "built-in";
    case ImageDecoder::kLibtiff:
      return "libtiff";
    case ImageDecoder::kNone:
      break;
  }
  return "";
}

std::string CompressionName(ImageFileFormat format, std::uint32_t compression) {
  if (format == ImageFileFormat::kBmp) return compression == 0 ? "none" : "";
  if (format != ImageFileFormat::kTiff || compression > 0xFFFF) return "";
  const TIFFCodec* codec = TIFFFindCODEC(static_cast<std::uint16_t>(compression));
  return codec != nullptr ? codec->name : "";
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
      loaded = image.LoadBmp(path, found);
      break;
    case ImageFileFormat::kTiff:
      loaded = LoadTiffFile(path, image, found);
      break;
  }
  if (details != nullptr) *details = found;
  return loaded == 1 ? ImageLoadResult::kLoaded : ImageLoadResult::kUnreadable;
}

}  // namespace kep
