// kep-cli measure IMAGE [--method M] [--params P1 P2 P3] [--particle 0|255]
//                       [--prep [pre-processing options]] [--json]:
// the fractal dimension of the particle outlines and the points it was fitted from.

#include <array>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/command_action.h"
#include "cli/commands.h"
#include "cli/measured_image.h"
#include "cli/method_options.h"
#include "fractal/fit_log_log.h"
#include "fractal/fractal_engine.h"
#include "fractal/method_table.h"
#include "fractal/three_decimal.h"

namespace kep::cli {
namespace {

struct MeasureOptions {
  MeasuredImageOptions input;
  MethodOptions method;
  bool json = false;
};

void PrintText(const Measurement& m) {
  std::printf("%s\n", m.fd == kNoDimension ? kNoDimensionMessage : ThreeDecimal(m.fd).c_str());
  for (const SeriesPoint& point : m.points) std::printf("%d\t%d\n", point.x, point.y);
}

void PrintJson(const MeasureOptions& options, const Measurement& m) {
  nlohmann::ordered_json json;
  json["file"] = options.input.image;
  const int method = options.method.Index();
  json["method"] = method;
  json["method_name"] = kMethods[method].listText;
  json["params"] = options.method.Params();
  json["particle"] = options.input.particle;
  json["fd"] = m.fd;
  // The fit the dimension was made from; none when the engine gave no dimension.
  const std::optional<LogLogFit> fit =
      m.fd == kNoDimension ? std::nullopt : FitPositiveLogLog(m.points);
  json["slope"] = fit ? nlohmann::ordered_json(fit->slope) : nullptr;
  json["intercept"] = fit ? nlohmann::ordered_json(fit->intercept) : nullptr;
  json["r_squared"] = fit ? nlohmann::ordered_json(fit->rSquared) : nullptr;
  json["points"] = nlohmann::ordered_json::array();
  for (const SeriesPoint& point : m.points) json["points"].push_back({point.x, point.y});
  json["outline_points"] = m.outlinePoints;
  json["particles"] = m.particles;
  // A path that is not valid UTF-8 is written with replacement characters.
  std::cout << json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

int RunMeasure(const MeasureOptions& options) {
  ImageBuffer image;
  if (!LoadMeasuredImage(options.input, image)) return kExitUsage;
  FractalEngine engine;
  const Measurement m = MeasureImage(engine, image, MeasureSettingsOf(options.input, options.method));
  if (options.json) {
    PrintJson(options, m);
  } else {
    PrintText(m);
  }
  return m.fd == kNoDimension ? kExitFailure : kExitSuccess;
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
