#pragma once

#include "interactive/kep_view.h"

namespace kep {

// The right image pane: the document's right image in image mode. It is also the
// window the methods animate in.
class CImageRView final : public CKEPView {
 public:
  void OnInitialUpdate() override;
  void OnDraw(DrawContext& dc) override;
};

}  // namespace kep
