#include "cli/measured_image.h"

#include "cli/image_input.h"
#include "cli/interruption.h"
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

std::optional<MeasureResult> MeasureCommandImage(const MeasuredImageOptions& input,
                                                 const MethodOptions& method) {
  ImageBuffer image;
  if (!LoadImageForCommand(input.image, image)) return std::nullopt;
  MeasureWorkspace workspace;
  return MeasureImage(workspace, image, MeasureSettingsOf(input, method),
                      {.stop = &InterruptRequested()});
}

}  // namespace kep::cli
