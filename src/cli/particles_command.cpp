// kep-cli particles IMAGE [--method M] [--params P1 P2 P3] [--particle 0|255]
//                         [--prep [pre-processing options]] [--fit-range XMIN XMAX]
//                         [--grid-offsets G] [--json | --csv OUT]:
// every particle of the image measured on its own, one row each.

#include <cstdio>
#include <memory>
#include <string>

#include "cli/command_action.h"
#include "cli/commands.h"
#include "cli/image_input.h"
#include "cli/interruption.h"
#include "cli/measured_image.h"
#include "cli/method_options.h"
#include "cli/particle_table.h"
#include "cli/result_json.h"
#include "project/particle_measurement.h"
#include "project/report_file.h"

namespace kep::cli {
namespace {

struct ParticlesOptions {
  MeasuredImageOptions input;
  MethodOptions method;
  bool json = false;
  std::string csv;
};

bool WriteCsv(const std::string& path, const std::string& table) {
  ReportFile file(ReportFile::LineEnds::kLf);
  if (file.Open(path) && file.Write(table) && file.Commit()) return true;
  PrintFileError(path, file.Error());
  return false;
}

int RunParticles(const ParticlesOptions& options) {
  ImageBuffer image;
  if (!LoadImageForCommand(options.input.image, image)) return kExitUsage;
  MeasureWorkspace workspace;
  const Outcome<std::vector<ParticleMeasurement>> measured = MeasureParticles(
      workspace, image, MeasureSettingsOf(options.input, options.method), &InterruptRequested());
  if (!measured.Ok() && Cancelled(measured.Error())) return kExitInterrupted;
  if (!measured.Ok()) {
    PrintNoDimension(options.input.image, measured.Error());
    return kExitFailure;
  }
  const std::vector<ParticleMeasurement>& particles = measured.Value();
  if (options.json) {
    nlohmann::ordered_json json = nlohmann::ordered_json::array();
    for (const ParticleMeasurement& particle : particles) json.push_back(ParticleJson(particle));
    PrintJson(json);
  } else {
    const std::string table = ParticleTableHeader(false) + ParticleTableRows(particles);
    if (options.csv.empty()) {
      std::fputs(table.c_str(), stdout);
    } else if (!WriteCsv(options.csv, table)) {
      return kExitFailure;
    }
  }
  for (const ParticleMeasurement& particle : particles) {
    if (particle.result.HasDimension()) return kExitSuccess;
  }
  std::fprintf(stderr, "kep-cli: %s: no particle has a dimension\n", options.input.image.c_str());
  return kExitFailure;
}

}  // namespace

void AddParticlesCommand(CLI::App& app) {
  auto options = std::make_shared<ParticlesOptions>();
  CLI::App* command = app.add_subcommand(
      "particles", "Measure every particle of an image on its own and list them, one row each");
  AddMeasuredImageOptions(*command, options->input);
  AddMethodOptions(*command, options->method);
  CLI::Option* json = command->add_flag("--json", options->json, "Write the particles as JSON");
  command
      ->add_option("--csv", options->csv, "Write the table to this file instead of standard output")
      ->excludes(json);
  SetCommandAction(*command, [options] { return RunParticles(*options); });
}

}  // namespace kep::cli
