#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "draw/draw_context.h"
#include "failure/failure.h"
#include "fractal/fractal_engine.h"
#include "fractal/measure_result.h"
#include "fractal/method_table.h"
#include "image/image_buffer.h"
#include "preprocess/preprocess_sequence.h"
#include "project/image_reading.h"

namespace kep {

// What the system says when the engine finds no dimension.
inline constexpr const char* kNoDimensionMessage = "Sorry! I can't Calculate Fractal Dimension!";

// What one measurement runs with: the method and its three parameters, the
// particles' grey value (0 or 255; the background is the other), the batch
// pre-processing to run first, if any, the x values whose points enter the fit,
// and box counting's grid positions per axis.
struct MeasureSettings {
  std::uint32_t method = kDilationIndex;
  std::array<std::int32_t, 3> params = DefaultParameters(kDilationIndex);
  std::int32_t particle = 255;
  std::optional<PreprocessSettings> preprocess = std::nullopt;
  FitRange fitRange = {};
  std::int32_t gridOffsets = 1;
};

// How a measurement is delivered: with the picture the method measured (the
// outline image, or the distance map), with its steps drawn into a window, and
// with every particle measured on its own as well.
struct MeasureOptions {
  bool keepOutline = false;
  DrawContext* animation = nullptr;
  bool eachParticle = false;
  // Set by another thread (or a signal handler) to stop the measurement, which
  // then fails with cancelled; none: it runs to its end.
  const std::atomic<bool>* stop = nullptr;
};

// The working objects of one thread's measurements, kept from image to image so
// that the next image of the same size finds its memory ready.
struct MeasureWorkspace {
  FractalEngine engine;
  ImageBuffer loaded;
  ImageBuffer prepared;
};

// The one measuring pipeline of every front end: optional pre-processing,
// preparation of the outlines, the method, the fit. Never throws: an image that
// does not fit in memory fails with out-of-memory, and a measurement asked to
// stop fails with cancelled. The other entries below answer the same way.
MeasureResult MeasureImage(MeasureWorkspace& workspace, const ImageBuffer& image,
                           const MeasureSettings& settings, const MeasureOptions& options = {});

// Reads the file by its extension, then measures it. A file that cannot be read
// fails with unreadable (and the system's "Please Select Bitmap or TIFF" for a
// wrong extension); one read with no pixels fails with no-image.
MeasureResult MeasureFile(MeasureWorkspace& workspace, const std::string& path,
                          const MeasureSettings& settings, const MeasureOptions& options = {});

// The image after the batch pre-processing with the particle value, in
// workspace.prepared (workspace.loaded is its working copy).
std::optional<Failure> PreprocessImage(MeasureWorkspace& workspace, const ImageBuffer& image,
                                       const PreprocessSettings& settings, std::int32_t particle,
                                       const std::atomic<bool>* stop = nullptr);

// The outline image the engine measures for these settings (after their
// pre-processing, if any), in workspace.engine.outlineImage: what the windows'
// "Get Edge" shows.
std::optional<Failure> PrepareOutlines(MeasureWorkspace& workspace, const ImageBuffer& image,
                                       std::int32_t particle,
                                       const std::optional<PreprocessSettings>& preprocess,
                                       const std::atomic<bool>* stop = nullptr);

}  // namespace kep
