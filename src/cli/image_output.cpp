#include "cli/image_output.h"

#include <png.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/command_action.h"
#include "image/image_file.h"

namespace kep::cli {
namespace {

std::string Lowercase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool WritePgm(const ImageBuffer& image, const std::string& path) {
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "wb"));
  if (!file) {
    PrintFileError(path, std::strerror(errno));
    return false;
  }
  bool written = std::fprintf(file.get(), "P5\n%d %d\n255\n", image.Width(), image.Height()) > 0;
  for (std::int32_t y = 0; written && y < image.Height(); ++y) {
    const auto width = static_cast<std::size_t>(image.Width());
    written = std::fwrite(image.PixelAddress(0, y), 1, width, file.get()) == width;
  }
  const int closed = std::fclose(file.release());
  if (!written || closed != 0) {
    PrintFileError(path, std::strerror(errno));
    return false;
  }
  return true;
}

bool WritePng(const ImageBuffer& image, const std::string& path) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.Width());
  png.height = static_cast<png_uint_32>(image.Height());
  png.format = PNG_FORMAT_GRAY;
  // The row stride skips each row's padding bytes.
  if (png_image_write_to_file(&png, path.c_str(), 0, image.Data(), image.Stride(), nullptr) == 0) {
    PrintFileError(path, png.message);
    png_image_free(&png);
    return false;
  }
  return true;
}

}  // namespace

ImageOutputFormat OutputFormatForPath(const std::string& path) {
  const std::string extension = Lowercase(PathExtension(path));
  if (extension == "pgm") return ImageOutputFormat::kPgm;
  if (extension == "png") return ImageOutputFormat::kPng;
  return ImageOutputFormat::kNone;
}

CLI::Validator ImageOutputPath() {
  return CLI::Validator(
      [](const std::string& path) {
        return OutputFormatForPath(path) == ImageOutputFormat::kNone
                   ? std::string("the output file must end in .pgm or .png")
                   : std::string();
      },
      "OUT.pgm|OUT.png");
}

bool WriteImageFile(const ImageBuffer& image, const std::string& path) {
  switch (OutputFormatForPath(path)) {
    case ImageOutputFormat::kPgm:
      return WritePgm(image, path);
    case ImageOutputFormat::kPng:
      return WritePng(image, path);
    case ImageOutputFormat::kNone:
      break;
  }
  PrintFileError(path, "the output must end in .pgm or .png");
  return false;
}

}  // namespace kep::cli
