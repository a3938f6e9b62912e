#pragma once

#include "app/form_pane.h"

namespace kep {

class CKEPDoc;

// The result pane above the images of an interactive window: the last fractal
// dimension and the data points it was fitted from.
class COutputForm final : public FormPane {
 public:
  CKEPDoc* GetDocument() const;
  void OnInitialUpdate() override;
};

}  // namespace kep
