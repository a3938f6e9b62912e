#pragma once

#include <memory>

#include "app/document_pane.h"
#include "app/screen_canvas.h"
#include "draw/draw_context.h"

namespace kep {

// A pane that shows a picture drawn through the drawing contract. Every repaint
// draws the picture afresh into a canvas the size of the client area and puts it
// on the window in one piece, so nothing depends on how the windowing system
// draws lines or exclusive-or figures, and nothing flickers.
class CanvasPane : public DocumentPane {
 public:
  CanvasPane();

  // Draws the pane's picture; the context's client rectangle is the pane's.
  virtual void OnDraw(DrawContext& dc) = 0;
  // The scrolled window's own drawing hook stays visible beside it, unused.
  using DocumentPane::OnDraw;

  // Repaints: the picture of the changed document replaces any live drawing.
  // Panes that override it call it as well.
  void OnUpdate(DocumentPane* sender, wxObject* hint) override;
  // Paints the picture, at its size on the screen, at the page's origin.
  void PaintForPrinting(wxDC& dc) override;

  // The picture as a repaint would draw it now.
  std::unique_ptr<ScreenCanvas> RenderPicture();
  // Paints what the window shows at its scroll position: the picture and, while
  // the pane has the keyboard, a frame in the selection colour around it.
  void Paint(wxDC& dc);

  // A context for drawing that must be seen while the program is busy (the
  // methods' animations block the interface): it draws on the picture now on the
  // window, and what it draws is repainted at once at every Flush and at least
  // every 50 ms. The window keeps showing that drawing until the document's next
  // update.
  DrawContext& BeginLiveDrawing();

 protected:
  // The size of the scrollable area, in pixels.
  void SetScrollSizes(int width, int height);

 private:
  void OnPaint(wxPaintEvent& event);
  void ShowNow();

  std::unique_ptr<ScreenCanvas> m_picture;
  bool m_live = false;
};

}  // namespace kep
