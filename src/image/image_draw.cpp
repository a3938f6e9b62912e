#include "draw/draw_context.h"
#include "image/image_buffer.h"

namespace kep {

void ImageBuffer::Draw(DrawContext& dc, const Rect& dest, const Rect& source) const {
  if (m_pixels.empty()) return;
  dc.StretchGrey(dest, m_pixels.data(), m_width, m_height, m_stride, source);
}

}  // namespace kep
