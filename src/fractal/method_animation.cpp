#include "fractal/method_animation.h"

#include "fractal/window_position.h"
#include "services/clock.h"

namespace kep {

MethodAnimation::MethodAnimation(DrawContext& window, const ImageBuffer& outlineImage,
                                 std::uint8_t objectValue)
    : m_window(window), m_outlineImage(outlineImage), m_objectValue(objectValue) {
  const Rect client = window.ClientRect();
  m_scaleX = (static_cast<double>(client.right) - client.left) / outlineImage.Width();
  m_scaleY = (static_cast<double>(client.bottom) - client.top) / outlineImage.Height();
}

std::int32_t MethodAnimation::ToWindowX(std::int64_t x) const { return ScaleToWindow(x, m_scaleX); }

std::int32_t MethodAnimation::ToWindowY(std::int64_t y) const { return ScaleToWindow(y, m_scaleY); }

void MethodAnimation::PauseSeconds(std::int64_t seconds) const {
  Clock& clock = CurrentClock();
  const std::int64_t start = clock.NowSeconds();
  while (clock.NowSeconds() - start < seconds) {
  }
}

void MethodAnimation::RedrawOutlineImage() const {
  for (std::int32_t x = 0; x < m_outlineImage.Width(); ++x) {
    for (std::int32_t y = 0; y < m_outlineImage.Height(); ++y) {
      const Rgb colour = m_outlineImage.GetPixel(x, y) == m_objectValue ? kWhite : kBlack;
      m_window.SetPixel(ToWindowX(x), ToWindowY(y), colour);
    }
  }
}

}  // namespace kep
