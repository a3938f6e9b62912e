#include "app/screen_canvas.h"

#include <algorithm>
#include <cstring>

#include <wx/dcmemory.h>
#include <wx/image.h>

namespace kep {

namespace {

constexpr std::chrono::milliseconds kLongestUnshownDrawing{50};

std::uint8_t Darken(std::uint8_t under, std::uint8_t text) {
  return static_cast<std::uint8_t>(under * text / 255);
}

}  // namespace

ScreenCanvas::ScreenCanvas(std::int32_t width, std::int32_t height, Rgb background,
                           const wxFont& font)
    : m_raster(width, height, background), m_font(font) {}

Rgb ScreenCanvas::SelectPen(Rgb colour) { return m_raster.SelectPen(colour); }

void ScreenCanvas::LineTo(std::int32_t x, std::int32_t y) {
  m_raster.LineTo(x, y);
  PresentIfDue();
}

void ScreenCanvas::SetPixel(std::int32_t x, std::int32_t y, Rgb colour) {
  m_raster.SetPixel(x, y, colour);
  PresentIfDue();
}

void ScreenCanvas::FillRect(const Rect& rect, Rgb colour) {
  m_raster.FillRect(rect, colour);
  PresentIfDue();
}

void ScreenCanvas::StretchGrey(const Rect& dest, const std::uint8_t* pixels, std::int32_t width,
                               std::int32_t height, std::int32_t stride, const Rect& source) {
  m_raster.StretchGrey(dest, pixels, width, height, stride, source);
  PresentIfDue();
}

void ScreenCanvas::DrawText(std::int32_t x, std::int32_t y, const std::string& text) {
  wxString label = wxString::FromUTF8(text);
  if (label.empty() && !text.empty()) label = wxString(text.c_str(), wxConvISO8859_1);
  if (label.empty()) return;

  wxMemoryDC dc;
  dc.SetFont(m_font);
  const wxSize size = dc.GetTextExtent(label);
  if (size.x <= 0 || size.y <= 0) return;
  wxBitmap bitmap(size.x, size.y, 24);
  dc.SelectObject(bitmap);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  dc.SetTextForeground(*wxBLACK);
  dc.DrawText(label, 0, 0);
  dc.SelectObject(wxNullBitmap);
  const wxImage glyphs = bitmap.ConvertToImage();

  const DrawMode previousMode = m_raster.SetDrawMode(DrawMode::kCopy);
  const Rect client = m_raster.ClientRect();
  for (int row = 0; row < size.y; ++row) {
    const std::int32_t py = y + row;
    if (py < client.top || py >= client.bottom) continue;
    for (int column = 0; column < size.x; ++column) {
      const std::int32_t px = x + column;
      if (px < client.left || px >= client.right) continue;
      const Rgb ink{glyphs.GetRed(column, row), glyphs.GetGreen(column, row),
                    glyphs.GetBlue(column, row)};
      if (ink == kWhite) continue;
      const Rgb under = m_raster.PixelAt(px, py);
      m_raster.SetPixel(px, py, {Darken(under.red, ink.red), Darken(under.green, ink.green),
                                 Darken(under.blue, ink.blue)});
    }
  }
  m_raster.SetDrawMode(previousMode);
  PresentIfDue();
}

void ScreenCanvas::Flush() {
  if (!m_present) return;
  m_present();
  m_lastPresent = std::chrono::steady_clock::now();
}

void ScreenCanvas::SetPresenter(std::function<void()> present) {
  m_present = std::move(present);
  m_lastPresent = std::chrono::steady_clock::now();
}

void ScreenCanvas::PresentIfDue() {
  if (m_present && std::chrono::steady_clock::now() - m_lastPresent >= kLongestUnshownDrawing) {
    Flush();
  }
}

wxBitmap ScreenCanvas::ToBitmap() const {
  const int width = std::max(m_raster.Width(), 1);
  const int height = std::max(m_raster.Height(), 1);
  wxImage image(width, height);
  const std::size_t bytes = static_cast<std::size_t>(m_raster.Stride()) * m_raster.Height();
  if (bytes > 0) std::memcpy(image.GetData(), m_raster.Data(), bytes);
  return wxBitmap(image);
}

}  // namespace kep
