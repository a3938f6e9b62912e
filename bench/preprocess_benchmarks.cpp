// The preparation of the outline image, the two pre-processing steps a batch run
// spends its time in, and one full copy of the largest picture as the yardstick
// of what touching every pixel costs.

#include <benchmark/benchmark.h>

#include "bench_pictures.h"
#include "bench_registry.h"
#include "preprocess/remove_regions.h"
#include "preprocess/threshold.h"

namespace kep::bench {

void RegisterPreprocessBenchmarks() {
  RegisterTimed("copy/snowflake-4096", [](benchmark::State& state) {
    const ImageBuffer& image = PictureImage(PictureNamed("snowflake-4096"));
    ImageBuffer copy;
    copy.CopyFrom(image);
    for (auto _ : state) {
      copy.CopyPixelsFrom(image);
      benchmark::DoNotOptimize(copy.Data());
      benchmark::ClobberMemory();
    }
  });
  for (const PictureSpec& picture : Pictures()) {
    RegisterTimed("PrepareImage/" + picture.name, [&picture](benchmark::State& state) {
      const ImageBuffer& image = PictureImage(picture);
      FractalEngine engine;
      for (auto _ : state) engine.PrepareImage(image, 255, 0);
    });
    // Small particles deleted and small holes filled, with the batch run's minimum size.
    RegisterTimed("RemoveRegions/" + picture.name, [&picture](benchmark::State& state) {
      const ImageBuffer& image = PictureImage(picture);
      ImageBuffer particles;
      ImageBuffer holes;
      particles.CopyFrom(image);
      holes.CopyFrom(image);
      for (auto _ : state) {
        RemoveRegions(particles, 255, 0, 300, image);
        RemoveRegions(holes, 0, 255, 300, particles);
      }
    });
    RegisterTimed("ThresholdBright/" + picture.name, [&picture](benchmark::State& state) {
      const ImageBuffer& image = PictureImage(picture);
      ImageBuffer thresholded;
      thresholded.CopyFrom(image);
      for (auto _ : state) {
        ThresholdBright(thresholded, 10, 50, 255, image);
        benchmark::DoNotOptimize(thresholded.Data());
      }
    });
  }
}

}  // namespace kep::bench
