#include "fractal/ring_animation.h"

#include <algorithm>
#include <utility>

#include "fractal/fractal_engine.h"

namespace kep {

RingAnimation::~RingAnimation() {
  if (m_window) m_engine.EndAnimation();
}

bool RingAnimation::Start(DrawContext* window, const ImageBuffer& seed) {
  return window && m_seed.CopyFrom(seed) && StartFromSeed(window);
}

bool RingAnimation::StartFromPoints(DrawContext* window, const PointSeries& points) {
  if (!window || !m_seed.CopyFrom(m_engine.outlineImage)) return false;
  std::fill(m_seed.Data(), m_seed.Data() + m_seed.ByteCount(), std::uint8_t{0});
  for (const SeriesPoint& point : points) m_seed.SetPixel(point.x, point.y, 255);
  return StartFromSeed(window);
}

bool RingAnimation::StartFromSeed(DrawContext* window) {
  if (!m_previous.CopyFrom(m_seed) || !m_current.CopyFrom(m_seed)) return false;
  m_window = window;
  m_engine.BeginAnimation(window);
  return true;
}

void RingAnimation::Grow(std::int32_t radius) {
  if (!m_window) return;
  m_current.Dilate(static_cast<std::uint8_t>(m_engine.objectValue), radius, m_seed);
  for (std::int32_t x = 0; x < m_current.Width(); ++x) {
    for (std::int32_t y = 0; y < m_current.Height(); ++y) {
      if (m_current.GetPixel(x, y) != m_previous.GetPixel(x, y)) {
        m_window->SetPixel(m_engine.ToWindowX(x), m_engine.ToWindowY(y), kRed);
      }
    }
  }
  std::swap(m_previous, m_current);
  m_window->Flush();
}

ScaleHook RingAnimation::GrowHook() {
  if (!m_window) return {};
  return [this](std::int32_t radius) { Grow(radius); };
}

}  // namespace kep
