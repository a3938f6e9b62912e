// kep-cli measure IMAGE [--method M] [--params P1 P2 P3] [--particle 0|255]
//                       [--prep [pre-processing options]] [--json]:
// the fractal dimension of the particle outlines and the points it was fitted from.

#include <cstdio>
#include <memory>

#include <nlohmann/json.hpp>

#include "cli/command_action.h"
#include "cli/commands.h"
#include "cli/interruption.h"
#include "cli/measured_image.h"
#include "cli/method_options.h"
#include "cli/result_json.h"
#include "fractal/method_table.h"
#include "fractal/three_decimal.h"

namespace kep::cli {
namespace {

struct MeasureOptions {
  MeasuredImageOptions input;
  MethodOptions method;
  bool json = false;
};

void PrintText(const MeasureResult& result) {
  std::printf("%s\n",
              result.HasDimension() ? ThreeDecimal(result.dimension).c_str() : kNoDimensionMessage);
  for (const SeriesPoint& point : result.points) std::printf("%d\t%d\n", point.x, point.y);
}

nlohmann::ordered_json FitValue(const MeasureResult& result, double LogLogFit::*value) {
  return result.fit ? nlohmann::ordered_json((*result.fit).*value) : nullptr;
}

void PrintMeasureJson(const MeasureOptions& options, const MeasureResult& result) {
  nlohmann::ordered_json json;
  json["file"] = options.input.image;
  const int method = options.method.Index();
  json["method"] = method;
  json["method_name"] = kMethods[method].listText;
  json["params"] = options.method.Params();
  json["particle"] = options.input.particle;
  json["fd"] = result.dimension;
  json["reason"] = ReasonJson(result);
  json["slope"] = FitValue(result, &LogLogFit::slope);
  json["intercept"] = FitValue(result, &LogLogFit::intercept);
  json["r_squared"] = FitValue(result, &LogLogFit::rSquared);
  json["fit_points"] = result.fit ? nlohmann::ordered_json(result.fit->pointCount) : nullptr;
  json["std_error"] = FitValue(result, &LogLogFit::stdError);
  json["ci95"] = result.fit ? nlohmann::ordered_json::array({result.Ci95Low(), result.Ci95High()})
                            : nlohmann::ordered_json(nullptr);
  json["local_dimensions"] = result.localDimensions;
  json["points"] = PointsJson(result.points);
  json["outline_points"] = result.outlinePoints;
  json["particles"] = result.particles;
  PrintJson(json);
}

int RunMeasure(const MeasureOptions& options) {
  const std::optional<MeasureResult> result = MeasureCommandImage(options.input, options.method);
  if (!result) return kExitUsage;
  if (Cancelled(result->failure)) return kExitInterrupted;
  if (options.json) {
    PrintMeasureJson(options, *result);
  } else {
    PrintText(*result);
  }
  if (result->HasDimension()) return kExitSuccess;
  PrintNoDimension(options.input.image, *result->failure);
  return kExitFailure;
}

}  // namespace

void AddMeasureCommand(CLI::App& app) {
  auto options = std::make_shared<MeasureOptions>();
  CLI::App* command = app.add_subcommand(
      "measure", "Measure the fractal dimension of the particle outlines of an image");
  AddMeasuredImageOptions(*command, options->input);
  AddMethodOptions(*command, options->method);
  command->add_flag("--json", options->json, "Write the result as JSON");
  SetCommandAction(*command, [options] { return RunMeasure(*options); });
}

}  // namespace kep::cli
