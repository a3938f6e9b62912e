#pragma once

#include "app/document_pane.h"

namespace kep {

// A pane laid out like a dialog: controls on the dialog background.
class FormPane : public DocumentPane {
 public:
  bool Create(wxWindow* parent, wxDocument& document, wxWindow& frame) override;
};

}  // namespace kep
