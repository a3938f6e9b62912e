#pragma once

#include "app/document_pane.h"

namespace kep {

// A pane laid out like a dialog: controls on the dialog background. A form
// larger than its pane scrolls, and the control that gets the keyboard is
// scrolled into view.
class FormPane : public DocumentPane {
 public:
  bool Create(wxWindow* parent, wxDocument& document, wxWindow& frame) override;

 protected:
  // The toolkit would scroll the whole group around the control into view, and
  // move a button away under the pointer that is clicking it.
  bool ShouldScrollToChildOnFocus(wxWindow*) override { return false; }

 private:
  void ScrollIntoView(wxWindow& control);
};

}  // namespace kep
