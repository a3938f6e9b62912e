#pragma once

#include <chrono>
#include <functional>

#include <wx/bitmap.h>
#include <wx/font.h>

#include "draw/draw_context.h"
#include "draw/raster_canvas.h"

namespace kep {

// What the panes draw into: a picture in memory, drawn pixel for pixel as the
// raster canvas draws (so exclusive-or drawing is a true bitwise exclusive-or,
// whatever the windowing system offers), with text in a real font. The picture
// reaches a window as one bitmap.
class ScreenCanvas final : public DrawContext {
 public:
  ScreenCanvas(std::int32_t width, std::int32_t height, Rgb background, const wxFont& font);

  Rect ClientRect() const override { return m_raster.ClientRect(); }
  Rgb SelectPen(Rgb colour) override;
  DrawMode SetDrawMode(DrawMode mode) override { return m_raster.SetDrawMode(mode); }
  void MoveTo(std::int32_t x, std::int32_t y) override { m_raster.MoveTo(x, y); }
  void LineTo(std::int32_t x, std::int32_t y) override;
  void SetPixel(std::int32_t x, std::int32_t y, Rgb colour) override;
  void FillRect(const Rect& rect, Rgb colour) override;
  // Black text in the canvas's font, (x, y) its top-left corner. Each text pixel
  // darkens what lies under it by its coverage, so edges blend into any colour.
  void DrawText(std::int32_t x, std::int32_t y, const std::string& text) override;
  void StretchGrey(const Rect& dest, const std::uint8_t* pixels, std::int32_t width,
                   std::int32_t height, std::int32_t stride, const Rect& source) override;
  void Flush() override;

  // While a presenter is set, what is drawn is handed to it at every Flush and,
  // during long stretches of drawing without one, at least every 50 ms.
  void SetPresenter(std::function<void()> present);

  const RasterCanvas& Raster() const { return m_raster; }
  wxBitmap ToBitmap() const;

 private:
  void PresentIfDue();

  RasterCanvas m_raster;
  wxFont m_font;
  std::function<void()> m_present;
  std::chrono::steady_clock::time_point m_lastPresent;
};

}  // namespace kep
