#pragma once

#include <cstdint>

#include "fractal/method_animation.h"
#include "fractal/scale_range.h"
#include "image/image_buffer.h"
#include "image/point_series.h"

namespace kep {

// The animation of the radius methods: for each radius the seed image is dilated
// by that radius, and the pixels that changed since the previous radius are
// painted red on the animation window, so that red rings grow around the seed.
// Once started it flushes the window at the end.
class RingAnimation {
 public:
  RingAnimation(const MethodAnimation* animation, std::uint8_t objectValue)
      : m_animation(animation), m_objectValue(objectValue) {}
  ~RingAnimation();
  RingAnimation(const RingAnimation&) = delete;
  RingAnimation& operator=(const RingAnimation&) = delete;

  // Starts with a copy of the seed image; false (nothing started) when the
  // scratch images cannot be made.
  bool Start(const ImageBuffer& seed);
  // Starts with a seed image of the size of `like` that holds 255 at each point
  // and 0 elsewhere.
  bool StartFromPoints(const ImageBuffer& like, const PointSeries& points);
  void Grow(std::int32_t radius);
  // Grows the rings after each radius of a method's range; empty when not started.
  ScaleHook GrowHook();

 private:
  bool StartFromSeed();

  const MethodAnimation* m_animation;
  std::uint8_t m_objectValue;
  bool m_started = false;
  ImageBuffer m_seed;
  ImageBuffer m_previous;
  ImageBuffer m_current;
};

}  // namespace kep
