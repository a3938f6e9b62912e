#pragma once

#include <cstdint>
#include <string>

#include "draw/draw_context.h"

extern "C" {
typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;
}

namespace kep {

// Draws into a picture of a given size that is written to a PNG or an SVG file,
// for plots made without a window. Everything is kept as vector drawing until it
// is saved, so one canvas can be saved in both formats.
//
// Pixel coordinates map onto the picture so that a PNG matches the raster
// canvas: a line from a to b covers the pixels from a up to, not including, b
// when it is horizontal or vertical (diagonal lines are smooth strokes), a
// single pixel and a fill cover exactly their pixels. Text is DejaVu Sans at
// 11 pixels, black, its top-left corner at the point. Exclusive-or mode is
// recorded but draws as copy mode: it only serves animations on a screen, which
// erase their strokes by drawing them again, and a file keeps no such strokes.
class CairoFileCanvas final : public DrawContext {
 public:
  // A white picture of width x height pixels (each at least 1).
  CairoFileCanvas(std::int32_t width, std::int32_t height);
  ~CairoFileCanvas() override;
  CairoFileCanvas(const CairoFileCanvas&) = delete;
  CairoFileCanvas& operator=(const CairoFileCanvas&) = delete;

  Rect ClientRect() const override { return {0, 0, m_width, m_height}; }
  Rgb SelectPen(Rgb colour) override;
  DrawMode SetDrawMode(DrawMode mode) override;
  void MoveTo(std::int32_t x, std::int32_t y) override;
  void LineTo(std::int32_t x, std::int32_t y) override;
  void SetPixel(std::int32_t x, std::int32_t y, Rgb colour) override;
  void FillRect(const Rect& rect, Rgb colour) override;
  void DrawText(std::int32_t x, std::int32_t y, const std::string& text) override;
  void StretchGrey(const Rect& dest, const std::uint8_t* pixels, std::int32_t width,
                   std::int32_t height, std::int32_t stride, const Rect& source) override;

  // Writes the picture as PNG or SVG, by the path's extension (".png" or ".svg",
  // in any case). On failure no file is left behind and, when error is given, it
  // receives the reason (without the path).
  bool Save(const std::string& path, std::string* error = nullptr) const;

 private:
  void SetColour(Rgb colour);
  // Fills a rectangle given in pixels, limited to a band around the picture.
  void FillArea(double left, double top, double right, double bottom);

  std::int32_t m_width;
  std::int32_t m_height;
  cairo_surface_t* m_recording;
  cairo_t* m_cairo;
  Rgb m_pen = kBlack;
  DrawMode m_mode = DrawMode::kCopy;
  std::int32_t m_x = 0;
  std::int32_t m_y = 0;
};

}  // namespace kep
