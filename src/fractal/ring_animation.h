#pragma once

#include <cstdint>

#include "draw/draw_context.h"
#include "fractal/scale_range.h"
#include "image/image_buffer.h"
#include "image/point_series.h"

namespace kep {

class FractalEngine;

// The animation of the radius methods: for each radius the seed image is dilated
// by that radius, and the pixels that changed since the previous radius are
// painted red on the animation window, so that red rings grow around the seed.
// While started it holds the engine's drawing context and gives it back at the end.
class RingAnimation {
 public:
  explicit RingAnimation(FractalEngine& engine) : m_engine(engine) {}
  ~RingAnimation();
  RingAnimation(const RingAnimation&) = delete;
  RingAnimation& operator=(const RingAnimation&) = delete;

  // Starts on the window with a copy of the seed image; false (nothing started)
  // when the scratch images cannot be made.
  bool Start(DrawContext* window, const ImageBuffer& seed);
  // Starts with a seed image of the outline image's size that holds 255 at each
  // point and 0 elsewhere.
  bool StartFromPoints(DrawContext* window, const PointSeries& points);
  bool Active() const { return m_window != nullptr; }
  void Grow(std::int32_t radius);
  // Grows the rings after each radius of a method's range; empty when not started.
  ScaleHook GrowHook();

 private:
  bool StartFromSeed(DrawContext* window);

  FractalEngine& m_engine;
  DrawContext* m_window = nullptr;
  ImageBuffer m_seed;
  ImageBuffer m_previous;
  ImageBuffer m_current;
};

}  // namespace kep
