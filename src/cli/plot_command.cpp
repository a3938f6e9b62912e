// kep-cli plot IMAGE OUT [--method M] [--params P1 P2 P3] [--particle 0|255]
//                        [--prep [pre-processing options]] [--size WxH]:
// the log-log plot of a measurement's points with its fractal dimension, as the
// interactive window's plot pane shows it, written as PNG or SVG.
// kep-cli plot --histogram IMAGE OUT [--size WxH]: the grey-level histogram plot of
// the image as loaded.

#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "cli/command_action.h"
#include "cli/commands.h"
#include "cli/image_input.h"
#include "cli/interruption.h"
#include "cli/measured_image.h"
#include "cli/method_options.h"
#include "draw/cairo_file_canvas.h"
#include "image/image_file.h"
#include "plot/histogram_plot.h"
#include "plot/series_plot.h"

namespace kep::cli {
namespace {

// Large enough for any screen, small enough for the picture to fit in memory.
constexpr std::int32_t kLargestSide = 8192;

struct PictureSize {
  std::int32_t width = 640;
  std::int32_t height = 480;
};

struct PlotOptions {
  MeasuredImageOptions input;
  MethodOptions method;
  std::string output;
  std::string size = "640x480";
  bool histogram = false;
};

std::optional<std::int32_t> ParseSide(const char* first, const char* last) {
  std::int32_t side = 0;
  const auto [end, error] = std::from_chars(first, last, side);
  if (error != std::errc() || end != last || side < 1 || side > kLargestSide) return std::nullopt;
  return side;
}

// "WxH", each side from 1 to kLargestSide pixels.
std::optional<PictureSize> ParsePictureSize(const std::string& text) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos) return std::nullopt;
  const char* begin = text.data();
  const std::optional<std::int32_t> width = ParseSide(begin, begin + x);
  const std::optional<std::int32_t> height = ParseSide(begin + x + 1, begin + text.size());
  if (!width || !height) return std::nullopt;
  return PictureSize{*width, *height};
}

bool IsPictureExtension(std::string extension) {
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == "png" || extension == "svg";
}

bool SavePicture(const CairoFileCanvas& canvas, const std::string& path) {
  std::string error;
  if (canvas.Save(path, &error)) return true;
  PrintFileError(path, error);
  return false;
}

int RunHistogramPlot(const PlotOptions& options, const PictureSize& size) {
  ImageBuffer image;
  if (!LoadImageForCommand(options.input.image, image)) return kExitUsage;
  ImageBuffer::Histogram counts{};
  image.ComputeHistogram(counts);
  CairoFileCanvas canvas(size.width, size.height);
  DrawHistogram(canvas, counts);
  return SavePicture(canvas, options.output) ? kExitSuccess : kExitFailure;
}

// The picture is written also when the engine gives no dimension: the pane shows
// the points it has, and the caption says -1.000.
int RunSeriesPlot(const PlotOptions& options, const PictureSize& size) {
  const std::optional<MeasureResult> result = MeasureCommandImage(options.input, options.method);
  if (!result) return kExitUsage;
  if (Cancelled(result->failure)) return kExitInterrupted;

  CairoFileCanvas canvas(size.width, size.height);
  if (DrawSeriesPlot(canvas, result->points)) DrawDimensionCaption(canvas, result->dimension);
  if (!SavePicture(canvas, options.output)) return kExitFailure;
  if (result->HasDimension()) return kExitSuccess;
  std::fprintf(stderr, "%s\n", kNoDimensionMessage);
  PrintNoDimension(options.input.image, *result->failure);
  return kExitFailure;
}

int RunPlot(const PlotOptions& options) {
  const PictureSize size = *ParsePictureSize(options.size);
  return options.histogram ? RunHistogramPlot(options, size) : RunSeriesPlot(options, size);
}

}  // namespace

void AddPlotCommand(CLI::App& app) {
  auto options = std::make_shared<PlotOptions>();
  CLI::App* command = app.add_subcommand(
      "plot", "Write the log-log plot of a measurement, or the histogram plot, as PNG or SVG");
  AddMeasuredImageOptions(*command, options->input);
  command->add_option("OUT", options->output, "Output file, .png or .svg")
      ->required()
      ->check(CLI::Validator(
          [](const std::string& path) {
            return IsPictureExtension(PathExtension(path))
                       ? std::string()
                       : std::string("the output file must end in .png or .svg");
          },
          "OUT.png|OUT.svg"));
  AddMethodOptions(*command, options->method);
  command->add_option("--size", options->size, "Picture size in pixels")
      ->capture_default_str()
      ->check(CLI::Validator(
          [](const std::string& text) {
            return ParsePictureSize(text)
                       ? std::string()
                       : "the size must be WxH, each from 1 to " + std::to_string(kLargestSide);
          },
          "WxH"));
  CLI::Option* histogram = command->add_flag("--histogram", options->histogram,
                                             "Plot the grey-level histogram of the image instead");
  for (const char* measuring : {"--method", "--params", "--particle", "--prep"}) {
    histogram->excludes(command->get_option(measuring));
  }
  SetCommandAction(*command, [options] { return RunPlot(*options); });
}

}  // namespace kep::cli
