#pragma once

#include <cstdint>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/method_options.h"
#include "image/image_buffer.h"
#include "preprocess/preprocess_sequence.h"
#include "project/measurement.h"

namespace kep::cli {

// What the commands that measure an image read: the file, the particle value, and
// whether to run the batch pre-processing first (without it the image is measured
// as loaded, as the desktop's "Calculate FD" does).
struct MeasuredImageOptions {
  std::string image;
  std::int32_t particle = 255;
  bool prep = false;
  PreprocessSettings settings;

  std::uint32_t ObjectValue() const { return static_cast<std::uint32_t>(particle); }
  std::uint32_t BackgroundValue() const { return static_cast<std::uint32_t>(255 - particle); }
};

// Adds IMAGE, --particle, --prep and the pre-processing options (which need --prep).
void AddMeasuredImageOptions(CLI::App& command, MeasuredImageOptions& options);

// Loads the image and, with --prep, pre-processes it with the particle value. False
// after a one-line message on standard error (a file or usage error).
bool LoadMeasuredImage(const MeasuredImageOptions& options, ImageBuffer& image);

// What the engine measures with for these options.
MeasureSettings MeasureSettingsOf(const MeasuredImageOptions& input, const MethodOptions& method);

}  // namespace kep::cli
