// kep-cli batch --report OUT [--method M --params P1 P2 P3] [pre-processing options]
//                [-j N] [--plot FDPLOT] [--json] FILES...:
// measures every file with one method, writes the tab-separated report, and
// optionally the plot of the dimension against the image number.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/command_action.h"
#include "cli/commands.h"
#include "cli/interruption.h"
#include "cli/method_options.h"
#include "cli/particle_table.h"
#include "cli/preprocess_options.h"
#include "cli/progress_bar.h"
#include "cli/result_json.h"
#include "draw/cairo_file_canvas.h"
#include "plot/dimension_plot.h"
#include "project/batch_run.h"

namespace kep::cli {
namespace {

// A status of its own for a complete report that lacks some files.
constexpr int kExitFilesSkipped = 3;

struct BatchOptions {
  std::string report;
  MethodOptions method;
  std::int32_t particle = 255;
  PreprocessSettings preprocess;
  unsigned threads = DefaultBatchThreads();
  std::string plot;
  std::string particles;
  bool json = false;
  std::vector<std::string> files;
};

nlohmann::ordered_json FileJson(std::size_t index, const std::string& path,
                                const MeasureResult& result) {
  nlohmann::ordered_json entry;
  entry["file"] = path;
  if (SkipsReport(result)) {
    entry["skipped"] = result.failure->text;
    entry["reason"] = ReasonJson(result);
    return entry;
  }
  entry["image_number"] = index + 1;
  entry["fd"] = result.dimension;
  entry["reason"] = ReasonJson(result);
  entry["points"] = PointsJson(result.points);
  return entry;
}

// The system's message for a file as "PATH: message"; a skipped file without one
// gets its reason the same way, and a measured file without a dimension the line
// that says why.
void ReportFileMessages(ProgressBar& progress, const std::string& path,
                        const MeasureResult& result) {
  if (!result.failure) return;
  const Failure& failure = *result.failure;
  if (!failure.message.empty()) {
    progress.PrintLine(path + ": " + failure.message);
  } else if (SkipsReport(result)) {
    progress.PrintLine(path + ": " + failure.text);
  }
  if (!SkipsReport(result))
    progress.PrintLine("kep-cli: " + path + ": no dimension: " + failure.text);
}

bool WritePlot(const std::string& path, const BatchResults& results) {
  CairoFileCanvas canvas(640, 480);
  DrawDimensionPlot(canvas, results.m_imageNumbers, results.m_dimensions);
  std::string error;
  if (canvas.Save(path, &error)) return true;
  PrintFileError(path, error);
  return false;
}

int RunBatchCommand(const BatchOptions& options) {
  const MeasureSettings settings{static_cast<std::uint32_t>(options.method.Index()),
                                 options.method.Params(),
                                 options.particle,
                                 options.preprocess,
                                 options.method.Range(),
                                 options.method.gridOffsets};

  ReportFile report;
  if (!report.Open(options.report)) {
    PrintFileError(options.report, report.Error());
    return kExitUsage;
  }

  // Every particle of every measured file, written beside its destination as the
  // files come in.
  ReportFile particleTable(ReportFile::LineEnds::kLf);
  const bool eachParticle = !options.particles.empty();
  if (eachParticle &&
      !(particleTable.Open(options.particles) && particleTable.Write(ParticleTableHeader(true)))) {
    PrintFileError(options.particles, particleTable.Error());
    return kExitUsage;
  }

  BatchResults results;
  BatchSummary summary;
  nlohmann::ordered_json json = nlohmann::ordered_json::array();
  bool complete = false;
  bool tableWritten = true;
  {
    ProgressBar progress(options.files.size());
    complete = RunBatch(options.files, settings, options.threads, report, results, summary,
                        [&](std::size_t index, const std::string& path, const MeasureResult& m) {
                          ReportFileMessages(progress, path, m);
                          if (options.json) json.push_back(FileJson(index, path, m));
                          if (eachParticle && !SkipsReport(m)) {
                            tableWritten = tableWritten && particleTable.Write(ParticleTableRows(
                                                               m.eachParticle, &path));
                          }
                          progress.Advance();
                        },
                        {.eachParticle = eachParticle, .stop = &InterruptRequested()});
  }
  if (summary.cancelled) return kExitInterrupted;
  std::fprintf(stderr, "batch: %zu measured, %zu failed with -1, %zu skipped\n", summary.measured,
               summary.failed, summary.skipped);
  if (options.json) PrintJson(json);
  if (!complete) {
    PrintFileError(options.report, report.Error());
    return kExitUsage;
  }
  if (eachParticle && !(tableWritten && particleTable.Commit())) {
    PrintFileError(options.particles, particleTable.Error());
    return kExitUsage;
  }
  if (!options.plot.empty() && !WritePlot(options.plot, results)) return kExitUsage;
  return summary.skipped > 0 ? kExitFilesSkipped : kExitSuccess;
}

}  // namespace

void AddBatchCommand(CLI::App& app) {
  auto options = std::make_shared<BatchOptions>();
  CLI::App* command = app.add_subcommand(
      "batch", "Measure many files with one method and write a tab-separated report");
  command->add_option("--report", options->report, "Report file to write")->required();
  AddMethodOptions(*command, options->method);
  AddParticleOption(*command, options->particle);
  AddPreprocessOptions(*command, options->preprocess);
  command->add_option("-j,--jobs", options->threads, "Files measured at once (default: the cores)")
      ->capture_default_str()
      ->check(CLI::Range(1u, kMaxBatchThreads));
  command->add_option("--plot", options->plot,
                      "Also draw the dimension against the image number (.png or .svg)");
  command->add_option(
      "--particles", options->particles,
      "Also measure every particle of every file and write them to this table (CSV)");
  command->add_flag("--json", options->json, "Write every file's result as JSON");
  command->add_option("FILES", options->files, "Image files (.bmp or .tif), in report order");
  SetCommandAction(*command, [options] { return RunBatchCommand(*options); });
}

}  // namespace kep::cli
