#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "draw/draw_context.h"

namespace kep {

// A picture in memory, three bytes (red, green, blue) per pixel, rows top first.
// Every operation is clipped to the picture, whatever its coordinates.
//
// Lines follow Bresenham's algorithm from the current position toward the end
// point, which is not painted. In exclusive-or mode lines and single pixels are
// combined with the picture by a bitwise exclusive-or of their colour, so drawing
// the same figure twice restores every pixel; rectangle fills, text and images
// are always copied, as brushes, fonts and bitmaps are on a window.
// Text uses a built-in 5 x 7 pixel font, the point being the top-left corner of
// the first character cell; only the glyphs' own pixels are painted.
class RasterCanvas final : public DrawContext {
 public:
  // A picture of width x height pixels (negative sizes count as 0) filled with
  // the background colour. The pen starts black, the mode as copy, the current
  // position at (0, 0).
  RasterCanvas(std::int32_t width, std::int32_t height, Rgb background = kWhite);

  Rect ClientRect() const override;
  Rgb SelectPen(Rgb colour) override;
  DrawMode SetDrawMode(DrawMode mode) override;
  void MoveTo(std::int32_t x, std::int32_t y) override;
  void LineTo(std::int32_t x, std::int32_t y) override;
  void SetPixel(std::int32_t x, std::int32_t y, Rgb colour) override;
  void FillRect(const Rect& rect, Rgb colour) override;
  void DrawText(std::int32_t x, std::int32_t y, const std::string& text) override;
  void StretchGrey(const Rect& dest, const std::uint8_t* pixels, std::int32_t width,
                   std::int32_t height, std::int32_t stride, const Rect& source) override;

  std::int32_t Width() const { return m_width; }
  std::int32_t Height() const { return m_height; }
  // The colour of a pixel; black outside the picture.
  Rgb PixelAt(std::int32_t x, std::int32_t y) const;
  // The raw picture: Height() rows of Stride() bytes, red, green, blue per pixel.
  const std::uint8_t* Data() const { return m_rgb.data(); }
  std::int32_t Stride() const { return 3 * m_width; }
  // Paints the whole picture in one colour; pen, mode and position stay.
  void Clear(Rgb colour);

 private:
  bool Contains(std::int64_t x, std::int64_t y) const {
    return x >= 0 && x < m_width && y >= 0 && y < m_height;
  }
  std::uint8_t* Address(std::int64_t x, std::int64_t y);
  // Paints a pixel known to lie inside the picture, honouring the drawing mode.
  void Paint(std::int64_t x, std::int64_t y, Rgb colour);
  void Copy(std::int64_t x, std::int64_t y, Rgb colour);

  std::int32_t m_width;
  std::int32_t m_height;
  std::vector<std::uint8_t> m_rgb;
  Rgb m_pen = kBlack;
  DrawMode m_mode = DrawMode::kCopy;
  std::int32_t m_x = 0;
  std::int32_t m_y = 0;
};

}  // namespace kep
