#include "cli/measured_image.h"

#include "cli/preprocess_options.h"

namespace kep::cli {

void AddMeasuredImageOptions(CLI::App& command, MeasuredImageOptions& options) {
  command.add_option("IMAGE", options.image, "Image file (.bmp, .BMP, .tif or .TIF)")->required();
  AddParticleOption(command, options.particle);
  CLI::Option* prep = command.add_flag("--prep", options.prep,
                                       "Threshold, frame and clean the image before measuring");
  for (CLI::Option* option : AddPreprocessOptions(command, options.settings)) option->needs(prep);
}

MeasureSettings MeasureSettingsOf(const MeasuredImageOptions& input, const MethodOptions& method) {
  return {static_cast<std::uint32_t>(method.Index()),
          method.Params(),
          input.particle,
          input.Preprocess(),
          method.Range(),
          method.gridOffsets};
}

}  // namespace kep::cli
