#include "app/canvas_pane.h"

#include <wx/dcclient.h>
#include <wx/pen.h>
#include <wx/settings.h>

namespace kep {

namespace {

// Scroll bars move by this many pixels per line.
constexpr int kScrollLine = 10;
// The width of the frame that marks the pane with the keyboard.
constexpr int kFocusMarkWidth = 2;

Rgb ToRgb(const wxColour& colour) { return {colour.Red(), colour.Green(), colour.Blue()}; }

}  // namespace

CanvasPane::CanvasPane() {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CanvasPane::OnPaint, this);
  for (const auto type : {wxEVT_SET_FOCUS, wxEVT_KILL_FOCUS}) {
    Bind(type, [this](wxFocusEvent& event) {
      Refresh(false);
      event.Skip();
    });
  }
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
  Paint(dc);
}

void CanvasPane::Paint(wxDC& dc) {
  if (!m_live) m_picture = RenderPicture();
  dc.DrawBitmap(m_picture->ToBitmap(), 0, 0);
  if (!HasFocus()) return;
  dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT), kFocusMarkWidth));
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  const wxSize size = GetClientSize();
  dc.DrawRectangle(kFocusMarkWidth / 2, kFocusMarkWidth / 2, size.x - kFocusMarkWidth + 1,
                   size.y - kFocusMarkWidth + 1);
}

}  // namespace kep
