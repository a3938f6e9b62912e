// kep-cli outline IMAGE OUT [--particle 0|255] [--prep [pre-processing options]]:
// the engine's outline image (what the desktop's "Get Edge" shows), as PGM or PNG.

#include <memory>
#include <string>

#include "cli/command_action.h"
#include "cli/commands.h"
#include "cli/image_input.h"
#include "cli/image_output.h"
#include "cli/measured_image.h"

namespace kep::cli {
namespace {

struct OutlineOptions {
  MeasuredImageOptions input;
  std::string output;
};

int RunOutline(const OutlineOptions& options) {
  ImageBuffer image;
  if (!LoadImageForCommand(options.input.image, image)) return kExitUsage;
  MeasureWorkspace workspace;
  if (auto failure =
          PrepareOutlines(workspace, image, options.input.particle, options.input.Preprocess())) {
    PrintFileError(options.input.image, failure->text);
    return kExitFailure;
  }
  return WriteImageFile(workspace.engine.outlineImage, options.output) ? kExitSuccess
                                                                       : kExitFailure;
}

}  // namespace

void AddOutlineCommand(CLI::App& app) {
  auto options = std::make_shared<OutlineOptions>();
  CLI::App* command = app.add_subcommand(
      "outline", "Write the image with every particle replaced by its outline, as PGM or PNG");
  AddMeasuredImageOptions(*command, options->input);
  command->add_option("OUT", options->output, "Output file, .pgm or .png")
      ->required()
      ->check(ImageOutputPath());
  SetCommandAction(*command, [options] { return RunOutline(*options); });
}

}  // namespace kep::cli
