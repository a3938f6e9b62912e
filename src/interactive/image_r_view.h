#pragma once

#include "interactive/kep_view.h"

namespace kep {

// The right image pane: by the document's right-pane mode, the right image, the
// histogram of the left image, or the log-log plot of the last result. It is
// also the window the methods animate in. A right click offers to copy or
// export the result.
class CImageRView final : public CKEPView {
 public:
  void OnInitialUpdate() override;
  void OnDraw(DrawContext& dc) override;

 private:
  void DrawHistogram(DrawContext& dc) const;
};

}  // namespace kep
