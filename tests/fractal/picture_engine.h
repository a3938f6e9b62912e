#pragma once

// An engine prepared from a picture drawn in characters, for the tests of the
// preparation and of the image-based methods.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "draw/recording_canvas.h"
#include "fractal/fractal_engine.h"
#include "fractal/method_animation.h"
#include "fractal/method_run.h"
#include "preprocess/picture.h"

namespace kep::test {

// A picture of width x height background pixels (0) with the given pixels set to 255.
inline ImageBuffer Dots(std::int32_t width, std::int32_t height,
                        const std::vector<SeriesPoint>& dots) {
  ImageBuffer image = Filled(width, height, 0);
  for (const SeriesPoint& dot : dots) image.SetPixel(dot.x, dot.y, 255);
  return image;
}

// The picture with 0 and 255 exchanged: dark particles on a bright background.
inline ImageBuffer Inverted(const ImageBuffer& image) {
  ImageBuffer inverted;
  inverted.CopyFrom(image);
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    for (std::int32_t x = 0; x < image.Width(); ++x) {
      inverted.SetPixel(x, y, static_cast<std::uint8_t>(255 - image.GetPixel(x, y)));
    }
  }
  return inverted;
}

// Runs a method of the table on a prepared engine as ComputeFD does: its points
// appended to `result`, its steps drawn on the window when one is given, and the
// picture it leaves put in place of the outline image.
inline void RunMethod(MethodFunction method, FractalEngine& engine, PointSeries& result,
                      DrawContext* window = nullptr) {
  std::optional<MethodAnimation> animation;
  if (window)
    animation.emplace(*window, engine.outlineImage, static_cast<std::uint8_t>(engine.objectValue));
  MethodRun run{result, animation ? &*animation : nullptr, std::nullopt};
  method(engine, run);
  if (run.picture) engine.outlineImage = std::move(*run.picture);
}

// An engine ready to run a method: the parameters set, the method run, the
// points it gave.
struct EngineRun {
  EngineRun& Params(std::int32_t p1, std::int32_t p2, std::int32_t p3) {
    engine.param1 = p1;
    engine.param2 = p2;
    engine.param3 = p3;
    return *this;
  }
  EngineRun& Run(MethodFunction method, DrawContext* window = nullptr) {
    RunMethod(method, engine, result, window);
    return *this;
  }
  std::vector<SeriesPoint> Points() const { return {result.begin(), result.end()}; }

  FractalEngine engine;
  PointSeries result;
};

// The engine after PrepareImage and FindBoundingBox on the image, as ComputeFD
// leaves it just before running a method.
struct PictureEngine : EngineRun {
  explicit PictureEngine(const ImageBuffer& image, std::uint32_t objectValue = 255) {
    engine.PrepareImage(image, objectValue, 255 - objectValue);
    engine.FindBoundingBox();
  }
};

// The kinds of the recorded calls in order, runs counted: "pixel x4, flush, pen".
inline std::string CallSequence(const RecordingCanvas& canvas) {
  static const char* const kNames[] = {"pen",  "mode", "move",  "line", "pixel",
                                       "fill", "text", "image", "flush"};
  std::string text;
  const std::vector<RecordedCall>& calls = canvas.Calls();
  for (std::size_t i = 0; i < calls.size();) {
    std::size_t run = 1;
    while (i + run < calls.size() && calls[i + run].index() == calls[i].index()) ++run;
    if (!text.empty()) text += ", ";
    text += kNames[calls[i].index()];
    if (run > 1) text += " x" + std::to_string(run);
    i += run;
  }
  return text;
}

}  // namespace kep::test
