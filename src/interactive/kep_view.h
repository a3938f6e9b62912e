#pragma once

#include "app/canvas_pane.h"

namespace kep {

class CKEPDoc;
class ImageBuffer;

// An image pane of the interactive window: stretches its image over the whole
// client area, without keeping the aspect ratio. Prints what it shows.
class CKEPView : public CanvasPane {
 public:
  CKEPDoc* GetDocument() const;

  // The first update, then a scrollable area of 100 x 100 pixels.
  void OnInitialUpdate() override;
  // Draws the image when it has a width and a height; otherwise nothing.
  void OnDraw(DrawContext& dc) override;
  bool IsPrintable() const override { return true; }

 protected:
  // The image the pane draws; set by the concrete pane on its first update.
  const ImageBuffer* m_pImage = nullptr;
};

}  // namespace kep
