#include "project/measurement.h"

#include <new>
#include <utility>

#include "project/particle_measurement.h"

namespace kep {

namespace {

constexpr const char* kNotEnoughMemory = "not enough memory to measure the image";

MeasureResult Failed(Failure failure) {
  MeasureResult result;
  result.failure = std::move(failure);
  return result;
}

MeasureResult OutOfMemory() { return Failed({FailureCode::kOutOfMemory, kNotEnoughMemory}); }

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
  if (options.eachParticle) {
    result.eachParticle = MeasureEachParticle(engine, workspace.cut, *measured.Value(), settings);
  }
  return result;
}

}  // namespace

MeasureResult MeasureImage(MeasureWorkspace& workspace, const ImageBuffer& image,
                           const MeasureSettings& settings, const MeasureOptions& options) {
  try {
    return MeasureUnguarded(workspace, image, settings, options);
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
}

MeasureResult MeasureFile(MeasureWorkspace& workspace, const std::string& path,
                          const MeasureSettings& settings, const MeasureOptions& options) {
  try {
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
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
}

std::optional<Failure> PreprocessImage(MeasureWorkspace& workspace, const ImageBuffer& image,
                                       const PreprocessSettings& settings, std::int32_t particle) {
  try {
    // The sequence works on its input, so an image of the caller's is copied first.
    if (!workspace.loaded.CopyFrom(image))
      return Failure{FailureCode::kOutOfMemory, kNotEnoughMemory};
    return RunPreprocessSequence(workspace.loaded, workspace.prepared, settings, particle);
  } catch (const std::bad_alloc&) {
    return Failure{FailureCode::kOutOfMemory, kNotEnoughMemory};
  }
}

std::optional<Failure> PrepareOutlines(MeasureWorkspace& workspace, const ImageBuffer& image,
                                       std::int32_t particle,
                                       const std::optional<PreprocessSettings>& preprocess) {
  try {
    MeasureSettings settings;
    settings.particle = particle;
    settings.preprocess = preprocess;
    const Outcome<const ImageBuffer*> measured = Preprocessed(workspace, image, settings);
    if (!measured.Ok()) return measured.Error();
    return workspace.engine.PrepareImage(*measured.Value(), static_cast<std::uint32_t>(particle),
                                         BackgroundValueFor(particle));
  } catch (const std::bad_alloc&) {
    return Failure{FailureCode::kOutOfMemory, kNotEnoughMemory};
  }
}

}  // namespace kep
