#include "project/particle_measurement.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "fractal/method_table.h"
#include "project/guarded_work.h"
#include "services/stop_request.h"

namespace kep {

namespace {

// Beyond the method's reach: the trace looks one pixel around the outline, and a
// dilation paints the outermost frame of its image.
constexpr std::int32_t kCutMargin = 2;

// The part of the picture a particle is measured in: its bounding box with the
// margin, within the picture.
struct Cut {
  std::int32_t x0;
  std::int32_t y0;
  std::int32_t x1;
  std::int32_t y1;
};

Cut CutAround(const ParticleRegion& region, std::int32_t margin, std::int32_t width,
              std::int32_t height) {
  return {std::max(region.left - margin, 0), std::max(region.top - margin, 0),
          std::min(region.right + margin, width - 1), std::min(region.bottom + margin, height - 1)};
}

// Gives the engine, as its preparation of the cut would, the one outline and an
// outline image of the cut's size holding only that outline's pixels.
void PrepareCut(FractalEngine& engine, const PointSeries& outline, const Cut& cut) {
  ImageBuffer& image = engine.outlineImage;
  image.Create(cut.x1 - cut.x0 + 1, cut.y1 - cut.y0 + 1, 0);
  std::memset(image.Data(), static_cast<std::uint8_t>(engine.backgroundValue), image.ByteCount());
  PointSeries shifted(outline);
  for (std::int32_t i = 0; i < shifted.Count(); ++i) {
    SeriesPoint& point = shifted[i];
    point = {point.x - cut.x0, point.y - cut.y0};
    image.SetPixel(point.x, point.y, static_cast<std::uint8_t>(engine.objectValue));
  }
  engine.outlines.assign(1, std::move(shifted));
  engine.origin = {cut.x0, cut.y0};
}

}  // namespace

// A particle measured on its own in the whole picture has the same outline as in
// the picture (the trace follows only its own 8-connected pixels), and an outline
// image that holds nothing else of the particle value. The methods read their
// outline image only within their reach of the outline, and count only pixels of
// the particle value, so the cut gives the same points; the centres that
// depend on where the picture's (0, 0) lies are taken at the cut's origin.
std::vector<ParticleMeasurement> MeasureEachParticle(FractalEngine& engine,
                                                     const MeasureSettings& settings) {
  engine.param1 = settings.params[0];
  engine.param2 = settings.params[1];
  engine.param3 = settings.params[2];
  engine.fitRange = settings.fitRange;
  engine.gridOffsets = settings.gridOffsets;
  const std::int32_t margin =
      kCutMargin + (settings.method < kMethodCount ? kMethods[settings.method].reach(engine) : 0);
  const std::int32_t width = engine.sourceImage.Width();
  const std::int32_t height = engine.sourceImage.Height();
  const std::vector<PointSeries> outlines = std::move(engine.outlines);
  const std::vector<ParticleRegion> regions = std::move(engine.regions);

  std::vector<ParticleMeasurement> measured;
  for (std::size_t k = 0; k < outlines.size(); ++k) {
    StopPoint();
    PrepareCut(engine, outlines[k], CutAround(regions[k], margin, width, height));
    measured.push_back({static_cast<std::int32_t>(k + 1), regions[k],
                        engine.MeasurePrepared(settings.method, nullptr)});
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
    if (!measured->IsLoaded()) return std::vector<ParticleMeasurement>{};
    if (auto failure =
            workspace.engine.PrepareImage(*measured, static_cast<std::uint32_t>(settings.particle),
                                          BackgroundValueFor(settings.particle))) {
      return *failure;
    }
    return MeasureEachParticle(workspace.engine, settings);
  });
}

}  // namespace kep
