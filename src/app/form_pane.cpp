#include "app/form_pane.h"

#include <wx/settings.h>

namespace kep {

bool FormPane::Create(wxWindow* parent, wxDocument& document, wxWindow& frame) {
  if (!DocumentPane::Create(parent, document, frame)) return false;
  SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
  return true;
}

}  // namespace kep
