// kep-cli prep IMAGE OUT: the image after the batch pre-processing (threshold,
// frame, small particles removed, small holes filled), written as PGM or PNG.

#include <cstdint>
#include <memory>
#include <string>

#include "cli/command_action.h"
#include "cli/commands.h"
#include "cli/image_input.h"
#include "cli/image_output.h"
#include "cli/preprocess_options.h"
#include "project/measurement.h"

namespace kep::cli {
namespace {

struct PrepOptions {
  std::string image;
  std::string output;
  PreprocessSettings settings;
  std::int32_t particle = 255;
};

int RunPrep(const PrepOptions& options) {
  ImageBuffer loaded;
  if (!LoadImageForCommand(options.image, loaded)) return kExitUsage;
  MeasureWorkspace workspace;
  // The option ranges leave the sequence nothing to refuse but a lack of memory.
  if (auto failure = PreprocessImage(workspace, loaded, options.settings, options.particle)) {
    PrintFileError(options.image, failure->text);
    return kExitFailure;
  }
  return WriteImageFile(workspace.prepared, options.output) ? kExitSuccess : kExitFailure;
}

}  // namespace

void AddPrepCommand(CLI::App& app) {
  auto options = std::make_shared<PrepOptions>();
  CLI::App* command = app.add_subcommand(
      "prep",
      "Threshold, frame and clean an image as the batch run does, and write it as PGM or PNG");
  command->add_option("IMAGE", options->image, "Image file (.bmp, .BMP, .tif or .TIF)")->required();
  command->add_option("OUT", options->output, "Output file, .pgm or .png")
      ->required()
      ->check(ImageOutputPath());
  AddPreprocessOptions(*command, options->settings);
  AddParticleOption(*command, options->particle);
  SetCommandAction(*command, [options] { return RunPrep(*options); });
}

}  // namespace kep::cli
