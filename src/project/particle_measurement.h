#pragma once

#include <atomic>
#include <vector>

#include "failure/outcome.h"
#include "fractal/fractal_engine.h"
#include "fractal/measure_result.h"
#include "image/image_buffer.h"
#include "project/measurement.h"

namespace kep {

// Every particle of the image the engine has prepared (PrepareImage) measured on
// its own, with exactly the numbers the engine gives for an image of the same
// size in which every other particle's pixels are background. Each particle is
// measured in a cut of its bounding box with a margin beyond the method's reach,
// the image's own edges kept, so that it costs about its own size. Leaves the
// engine's prepared state used up.
std::vector<ParticleMeasurement> MeasureEachParticle(FractalEngine& engine,
                                                     const MeasureSettings& settings);

// The pipeline for particles: the settings' pre-processing, then every particle
// measured on its own. Fails as MeasureImage does for bad settings, a lack of
// memory or a request to stop.
Outcome<std::vector<ParticleMeasurement>> MeasureParticles(MeasureWorkspace& workspace,
                                                           const ImageBuffer& image,
                                                           const MeasureSettings& settings,
                                                           const std::atomic<bool>* stop = nullptr);

}  // namespace kep
