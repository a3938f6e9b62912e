#pragma once

#include "interactive/kep_view.h"

namespace kep {

// The left image pane: the document's left image, or white before one is loaded.
class CImageLView final : public CKEPView {
 public:
  void OnInitialUpdate() override;
  void OnDraw(DrawContext& dc) override;
};

}  // namespace kep
