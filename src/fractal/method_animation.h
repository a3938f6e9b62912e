#pragma once

#include <cstdint>

#include "draw/draw_context.h"
#include "image/image_buffer.h"

namespace kep {

// The window a method draws its steps into while it measures. The outline image
// is stretched over the window's whole client area: an image point (x, y) is drawn
// at (trunc(x * scaleX), trunc(y * scaleY)), the scales being the client width and
// height over the image's.
class MethodAnimation {
 public:
  MethodAnimation(DrawContext& window, const ImageBuffer& outlineImage, std::uint8_t objectValue);

  DrawContext& Window() const { return m_window; }
  std::int32_t ToWindowX(std::int64_t x) const;
  std::int32_t ToWindowY(std::int64_t y) const;
  // Busy-waits until the calendar time in whole seconds has moved on by `seconds`
  // (so a pause of 1 lasts until the seconds count next changes).
  void PauseSeconds(std::int64_t seconds) const;
  // Paints every pixel of the outline image on the window: object pixels white,
  // the others black, column by column.
  void RedrawOutlineImage() const;

 private:
  DrawContext& m_window;
  const ImageBuffer& m_outlineImage;
  std::uint8_t m_objectValue;
  double m_scaleX;
  double m_scaleY;
};

}  // namespace kep
