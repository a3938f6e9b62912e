#pragma once

#include "app/form_pane.h"

namespace kep {

class CKEPDoc;

// The form on the left of an interactive window, where the user loads an image,
// runs the pre-processing tools and starts the calculation.
class CInputForm final : public FormPane {
 public:
  CKEPDoc* GetDocument() const;
  void OnInitialUpdate() override;
};

}  // namespace kep
