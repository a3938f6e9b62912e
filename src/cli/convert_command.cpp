// kep-cli convert IMAGE OUT: the image exactly as the system loads it, written
// as PGM or PNG.

#include <memory>
#include <string>

#include "cli/command_action.h"
#include "cli/commands.h"
#include "cli/image_input.h"
#include "cli/image_output.h"

namespace kep::cli {
namespace {

struct ConvertOptions {
  std::string image;
  std::string output;
};

int RunConvert(const ConvertOptions& options) {
  ImageBuffer image;
  if (!LoadImageForCommand(options.image, image)) return kExitUsage;
  return WriteImageFile(image, options.output) ? kExitSuccess : kExitFailure;
}

}  // namespace

void AddConvertCommand(CLI::App& app) {
  auto options = std::make_shared<ConvertOptions>();
  CLI::App* command =
      app.add_subcommand("convert", "Write the grey image that the system loads as PGM or PNG");
  command->add_option("IMAGE", options->image, "Image file (.bmp, .BMP, .tif or .TIF)")->required();
  command->add_option("OUT", options->output, "Output file, .pgm or .png")
      ->required()
      ->check(ImageOutputPath());
  SetCommandAction(*command, [options] { return RunConvert(*options); });
}

}  // namespace kep::cli
