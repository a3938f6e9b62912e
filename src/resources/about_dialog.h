#pragma once

#include <wx/dialog.h>

namespace kep {

// "About KEP": the program's icon, the version ("KEP Version 1.0" for 1.0) and an
// OK button.
class AboutDialog final : public wxDialog {
 public:
  explicit AboutDialog(wxWindow* parent);
};

}  // namespace kep
