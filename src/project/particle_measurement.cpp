#include "project/particle_measurement.h"

#include <algorithm>

#include "fractal/method_table.h"
#include "project/guarded_work.h"
#include "services/stop_request.h"

namespace kep {

namespace {

// Beyond the method's reach: the trace looks one pixel around the outline, and a
// dilation paints the outermost frame of its image.
constexpr std::int32_t kCutMargin = 2;

}  // namespace

std::vector<ParticleMeasurement> MeasureEachParticle(FractalEngine& engine, ImageBuffer& cut,
                                                     const ImageBuffer& image,
                                                     const MeasureSettings& settings) {
  const auto particle = static_cast<std::uint8_t>(settings.particle);
  const std::uint8_t background = BackgroundValueFor(settings.particle);
  engine.param1 = settings.params[0];
  engine.param2 = settings.params[1];
  engine.param3 = settings.params[2];
  engine.fitRange = settings.fitRange;
  engine.gridOffsets = settings.gridOffsets;
  const std::int32_t margin =
      kCutMargin + (settings.method < kMethodCount ? kMethods[settings.method].reach(engine) : 0);

  std::vector<ParticleMeasurement> measured;
  std::int32_t number = 0;
  for (const ParticleRegion& region : FindParticleRegions(image, particle)) {
    StopPoint();
    const std::int32_t x0 = std::max(region.left - margin, 0);
    const std::int32_t y0 = std::max(region.top - margin, 0);
    const std::int32_t x1 = std::min(region.right + margin, image.Width() - 1);
    const std::int32_t y1 = std::min(region.bottom + margin, image.Height() - 1);
    cut.Create(x1 - x0 + 1, y1 - y0 + 1, 0);
    CutOutParticle(image, region, particle, background, x0, y0, cut);
    engine.origin = {x0, y0};
    measured.push_back(
        {++number, region, engine.ComputeFD(settings.method, cut, particle, background, nullptr)});
  }
  engine.origin = {0, 0};
  return measured;
}

Outcome<std::vector<ParticleMeasurement>> MeasureParticles(MeasureWorkspace& workspace,
                                                           const ImageBuffer& image,
                                                           const MeasureSettings& settings,
                                                           const std::atomic<bool>* stop) {
  using Particles = Outcome<std::vector<ParticleMeasurement>>;
  return Guarded<Particles>(stop, [&]() -> Particles {
    const ImageBuffer* measured = &image;
    if (settings.preprocess) {
      if (auto failure =
              PreprocessImage(workspace, image, *settings.preprocess, settings.particle)) {
        return *failure;
      }
      measured = &workspace.prepared;
    } else if (auto failure = CheckParticleValue(settings.particle)) {
      return *failure;
    }
    return MeasureEachParticle(workspace.engine, workspace.cut, *measured, settings);
  });
}

}  // namespace kep
