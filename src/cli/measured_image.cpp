#include "cli/measured_image.h"

#include <utility>

#include "cli/command_action.h"
#include "cli/image_input.h"
#include "cli/preprocess_options.h"

namespace kep::cli {

void AddMeasuredImageOptions(CLI::App& command, MeasuredImageOptions& options) {
  command.add_option("IMAGE", options.image, "Image file (.bmp, .BMP, .tif or .TIF)")->required();
  AddParticleOption(command, options.particle);
  CLI::Option* prep =
      command.add_flag("--prep", options.prep, "Threshold, frame and clean the image before measuring");
  for (CLI::Option* option : AddPreprocessOptions(command, options.settings)) option->needs(prep);
}

bool LoadMeasuredImage(const MeasuredImageOptions& options, ImageBuffer& image) {
  if (!LoadImageForCommand(options.image, image)) return false;
  if (!options.prep) return true;
  PreprocessSettings settings = options.settings;
  settings.particleBrightness = options.particle;
  ImageBuffer prepared;
  // The options' ranges leave the sequence nothing to refuse.
  if (RunPreprocessSequence(image, prepared, settings) != PreprocessOutcome::kDone) {
    PrintFileError(options.image, "the pre-processing values were refused");
    return false;
  }
  image = std::move(prepared);
  return true;
}

MeasureSettings MeasureSettingsOf(const MeasuredImageOptions& input, const MethodOptions& method) {
  return {static_cast<std::uint32_t>(method.Index()), method.Params(), input.ObjectValue(),
          input.BackgroundValue()};
}

}  // namespace kep::cli
