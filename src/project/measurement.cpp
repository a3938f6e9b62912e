#include "project/measurement.h"

#include <new>
#include <utility>

#include "project/guarded_work.h"
#include "project/particle_measurement.h"

namespace kep {

namespace {

MeasureResult Failed(Failure failure) { return MeasureResult::Failed(std::move(failure)); }

// The image to measure: workspace.loaded as it is, or after the pre-processing in
// workspace.prepared.
Outcome<const ImageBuffer*> Preprocessed(MeasureWorkspace& workspace, const ImageBuffer& image,
                                         const MeasureSettings& settings) {
  if (!settings.preprocess) {
    if (auto failure = CheckParticleValue(settings.particle)) return *failure;
    return &image;
  }
  if (auto failure = PreprocessImage(workspace, image, *settings.preprocess, settings.particle)) {
    return *failure;
  }
  return &workspace.prepared;
}

MeasureResult MeasureUnguarded(MeasureWorkspace& workspace, const ImageBuffer& image,
                               const MeasureSettings& settings, const MeasureOptions& options) {
  const Outcome<const ImageBuffer*> measured = Preprocessed(workspace, image, settings);
  if (!measured.Ok()) return Failed(measured.Error());
  FractalEngine& engine = workspace.engine;
  engine.param1 = settings.params[0];
  engine.param2 = settings.params[1];
  engine.param3 = settings.params[2];
  engine.fitRange = settings.fitRange;
  engine.gridOffsets = settings.gridOffsets;
  engine.origin = {0, 0};
  MeasureResult result = engine.ComputeFD(settings.method, *measured.Value(),
                                          static_cast<std::uint32_t>(settings.particle),
                                          BackgroundValueFor(settings.particle), options.animation);
  // Only these failures come before the engine has prepared this image.
  const bool prepared = !result.failure || (result.failure->code != FailureCode::kNoImage &&
                                            result.failure->code != FailureCode::kOutOfMemory);
  if (options.keepOutline && prepared) {
    result.outline = std::make_shared<ImageBuffer>(std::move(engine.outlineImage));
  }
  if (options.eachParticle && prepared) result.eachParticle = MeasureEachParticle(engine, settings);
  return result;
}

}  // namespace

MeasureResult MeasureImage(MeasureWorkspace& workspace, const ImageBuffer& image,
                           const MeasureSettings& settings, const MeasureOptions& options) {
  return Guarded<MeasureResult>(
      options.stop, [&] { return MeasureUnguarded(workspace, image, settings, options); });
}

MeasureResult MeasureFile(MeasureWorkspace& workspace, const std::string& path,
                          const MeasureSettings& settings, const MeasureOptions& options) {
  return Guarded<MeasureResult>(options.stop, [&] {
    StopPoint();
    const ImageRead read = ReadImage(path, workspace.loaded);
    switch (read.status) {
      case ImageReadStatus::kWrongExtension:
        return Failed({FailureCode::kUnreadable, read.reason, kSelectBitmapOrTiffMessage});
      case ImageReadStatus::kUnreadable:
        return Failed({FailureCode::kUnreadable, read.reason});
      case ImageReadStatus::kNoPixels:
      case ImageReadStatus::kLoaded:
        break;
    }
    return MeasureUnguarded(workspace, workspace.loaded, settings, options);
  });
}

std::optional<Failure> PreprocessImage(MeasureWorkspace& workspace, const ImageBuffer& image,
                                       const PreprocessSettings& settings, std::int32_t particle,
                                       const std::atomic<bool>* stop) {
  return Guarded<std::optional<Failure>>(stop, [&]() -> std::optional<Failure> {
    // The sequence works on its input, so an image of the caller's is copied first.
    if (!workspace.loaded.CopyFrom(image)) throw std::bad_alloc();
    return RunPreprocessSequence(workspace.loaded, workspace.prepared, settings, particle);
  });
}

std::optional<Failure> PrepareOutlines(MeasureWorkspace& workspace, const ImageBuffer& image,
                                       std::int32_t particle,
                                       const std::optional<PreprocessSettings>& preprocess,
                                       const std::atomic<bool>* stop) {
  return Guarded<std::optional<Failure>>(stop, [&]() -> std::optional<Failure> {
    MeasureSettings settings;
    settings.particle = particle;
    settings.preprocess = preprocess;
    const Outcome<const ImageBuffer*> measured = Preprocessed(workspace, image, settings);
    if (!measured.Ok()) return measured.Error();
    return workspace.engine.PrepareImage(*measured.Value(), static_cast<std::uint32_t>(particle),
                                         BackgroundValueFor(particle));
  });
}

}  // namespace kep
