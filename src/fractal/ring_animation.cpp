#include "fractal/ring_animation.h"

#include <algorithm>
#include <utility>

#include "preprocess/dilate.h"

namespace kep {

RingAnimation::~RingAnimation() {
  if (m_started) m_animation->Window().Flush();
}

bool RingAnimation::Start(const ImageBuffer& seed) {
  return m_animation && m_seed.CopyFrom(seed) && StartFromSeed();
}

bool RingAnimation::StartFromPoints(const ImageBuffer& like, const PointSeries& points) {
  if (!m_animation || !m_seed.CopyFrom(like)) return false;
  std::fill(m_seed.Data(), m_seed.Data() + m_seed.ByteCount(), std::uint8_t{0});
  for (const SeriesPoint& point : points) m_seed.SetPixel(point.x, point.y, 255);
  return StartFromSeed();
}

bool RingAnimation::StartFromSeed() {
  if (!m_previous.CopyFrom(m_seed) || !m_current.CopyFrom(m_seed)) return false;
  m_started = true;
  return true;
}

void RingAnimation::Grow(std::int32_t radius) {
  if (!m_started) return;
  Dilate(m_current, m_objectValue, radius, m_seed);
  DrawContext& window = m_animation->Window();
  for (std::int32_t x = 0; x < m_current.Width(); ++x) {
    for (std::int32_t y = 0; y < m_current.Height(); ++y) {
      if (m_current.GetPixel(x, y) != m_previous.GetPixel(x, y)) {
        window.SetPixel(m_animation->ToWindowX(x), m_animation->ToWindowY(y), kRed);
      }
    }
  }
  std::swap(m_previous, m_current);
  window.Flush();
}

ScaleHook RingAnimation::GrowHook() {
  if (!m_started) return {};
  return [this](std::int32_t radius) { Grow(radius); };
}

}  // namespace kep
