#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/method_options.h"
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

  std::optional<PreprocessSettings> Preprocess() const {
    return prep ? std::optional<PreprocessSettings>(settings) : std::nullopt;
  }
};

// Adds IMAGE, --particle, --prep and the pre-processing options (which need --prep).
void AddMeasuredImageOptions(CLI::App& command, MeasuredImageOptions& options);

// What the pipeline measures with for these options.
MeasureSettings MeasureSettingsOf(const MeasuredImageOptions& input, const MethodOptions& method);

// Loads the image (naming a file that cannot be read, then nothing) and measures
// it as the options say, until Ctrl-C.
std::optional<MeasureResult> MeasureCommandImage(const MeasuredImageOptions& input,
                                                 const MethodOptions& method);

}  // namespace kep::cli
