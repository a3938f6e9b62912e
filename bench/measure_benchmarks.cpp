// Whole measurements of the largest picture as every front end makes them: a new
// engine, its copy and preparation of the image, the method and the fit
// (MeasureImage). The yardstick for the Python module's kep.measure on the same
// pixels, which scripts/bench.sh times beside it.

#include <benchmark/benchmark.h>

#include <string>

#include "bench_pictures.h"
#include "bench_registry.h"
#include "fractal/method_table.h"
#include "project/measurement.h"

namespace kep::bench {

void RegisterMeasureBenchmarks() {
  for (const std::uint32_t method : {kDilationIndex, kBoxCountingIndex}) {
    const std::string name = std::string("MeasureImage-") + kMethods[method].cliName;
    RegisterTimed(name + "/snowflake-4096", [method](benchmark::State& state) {
      const ImageBuffer& image = PictureImage(PictureNamed("snowflake-4096"));
      const auto& defaults = kMethods[method].parameters;
      const MeasureSettings settings{
          method, {defaults[0].value, defaults[1].value, defaults[2].value}, 255, 0};
      for (auto _ : state) {
        FractalEngine engine;
        const Measurement measured = MeasureImage(engine, image, settings);
        benchmark::DoNotOptimize(measured.fd);
      }
    });
  }
}

}  // namespace kep::bench
