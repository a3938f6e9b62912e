// Whole measurements of the largest picture as every front end makes them: a new
// workspace, the engine's copy and preparation of the image, the method and the fit
// (MeasureImage). The yardstick for the Python module's kep.measure on the same
// pixels, which scripts/bench.sh times beside it.

#include <benchmark/benchmark.h>

#include <string>

#include "bench_pictures.h"
#include "bench_registry.h"
#include "fractal/method_table.h"
#include "project/measurement.h"
#include "project/particle_measurement.h"

namespace kep::bench {

namespace {

// Every particle of the random-particles picture measured on its own, against one
// measurement of the whole picture with the same method.
void RegisterParticles() {
  for (const std::uint32_t method : {kDilationIndex, kBoxCountingIndex}) {
    const MeasureSettings settings{.method = method, .params = DefaultParameters(method)};
    const std::string name = std::string(kMethods[method].cliName) + "/particles-2048";
    RegisterTimed("MeasureImage-" + name, [settings](benchmark::State& state) {
      const ImageBuffer& image = PictureImage(PictureNamed("particles-2048"));
      MeasureWorkspace workspace;
      for (auto _ : state) benchmark::DoNotOptimize(MeasureImage(workspace, image, settings).dimension);
    });
    RegisterTimed("MeasureParticles-" + name, [settings](benchmark::State& state) {
      const ImageBuffer& image = PictureImage(PictureNamed("particles-2048"));
      MeasureWorkspace workspace;
      for (auto _ : state) {
        benchmark::DoNotOptimize(MeasureParticles(workspace, image, settings).Value().size());
      }
    });
    CompareTimed({"MeasureParticles-" + name, "MeasureImage-" + name, 2.0});
  }
}

}  // namespace

void RegisterMeasureBenchmarks() {
  RegisterParticles();
  for (const std::uint32_t method : {kDilationIndex, kBoxCountingIndex}) {
    const std::string name = std::string("MeasureImage-") + kMethods[method].cliName;
    RegisterTimed(name + "/snowflake-4096", [method](benchmark::State& state) {
      const ImageBuffer& image = PictureImage(PictureNamed("snowflake-4096"));
      const MeasureSettings settings{.method = method, .params = DefaultParameters(method)};
      for (auto _ : state) {
        MeasureWorkspace workspace;
        const MeasureResult measured = MeasureImage(workspace, image, settings);
        benchmark::DoNotOptimize(measured.dimension);
      }
    });
  }
}

}  // namespace kep::bench
