#pragma once

#include "app/document_pane.h"

namespace kep {

class CKEPDoc;

// The result pane above the images of an interactive window: the last fractal
// dimension and the data points it was fitted from.
class COutputForm final : public DocumentPane {
 public:
  CKEPDoc* GetDocument() const;
  void OnInitialUpdate() override;
};

}  // namespace kep
