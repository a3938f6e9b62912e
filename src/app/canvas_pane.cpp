#include "app/canvas_pane.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

namespace kep {

namespace {

// Scroll bars move by this many pixels per line.
constexpr int kScrollLine = 10;

Rgb ToRgb(const wxColour& colour) { return {colour.Red(), colour.Green(), colour.Blue()}; }

}  // namespace

CanvasPane::CanvasPane() {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CanvasPane::OnPaint, this);
}

void CanvasPane::OnUpdate(DocumentPane*, wxObject*) {
  if (m_live) {
    m_live = false;
    m_picture->SetPresenter(nullptr);
  }
  Refresh(false);
}

std::unique_ptr<ScreenCanvas> CanvasPane::RenderPicture() {
  const wxSize size = GetClientSize();
  auto picture = std::make_unique<ScreenCanvas>(
      size.x, size.y, ToRgb(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW)), GetFont());
  // A pane whose document has left (its window is closing) shows nothing.
  if (GetDocument()) OnDraw(*picture);
  return picture;
}

void CanvasPane::PaintForPrinting(wxDC& dc) { dc.DrawBitmap(RenderPicture()->ToBitmap(), 0, 0); }

DrawContext& CanvasPane::BeginLiveDrawing() {
  if (!m_live) {
    m_picture = RenderPicture();
    m_picture->SetPresenter([this] { ShowNow(); });
    m_live = true;
  }
  return *m_picture;
}

void CanvasPane::SetScrollSizes(int width, int height) {
  SetScrollRate(kScrollLine, kScrollLine);
  SetVirtualSize(width, height);
}

void CanvasPane::ShowNow() {
  Refresh(false);
  Update();
}

void CanvasPane::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  DoPrepareDC(dc);
  if (!m_live) m_picture = RenderPicture();
  dc.DrawBitmap(m_picture->ToBitmap(), 0, 0);
}

}  // namespace kep
