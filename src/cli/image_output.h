#pragma once

#include <string>

#include <CLI/CLI.hpp>

#include "image/image_buffer.h"

namespace kep::cli {

enum class ImageOutputFormat { kNone, kPgm, kPng };

// The format an output path asks for: ".pgm" or ".png" in any case.
ImageOutputFormat OutputFormatForPath(const std::string& path);

// Accepts only output paths whose extension names a format above, so that a
// wrong one is a usage error found before any work is done.
CLI::Validator ImageOutputPath();

// Writes the image's pixels (not the row padding) as binary PGM (P5, maxval
// 255) or as 8-bit grey PNG, by the path's extension. On failure it has
// written "PATH: reason" on standard error and returns false.
bool WriteImageFile(const ImageBuffer& image, const std::string& path);

}  // namespace kep::cli
