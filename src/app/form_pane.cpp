#include "app/form_pane.h"

#include <wx/settings.h>

namespace kep {

namespace {

constexpr int kScrollStep = 10;

}  // namespace

bool FormPane::Create(wxWindow* parent, wxDocument& document, wxWindow& frame) {
  if (!DocumentPane::Create(parent, document, frame)) return false;
  SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
  // A form taller or wider than its pane scrolls.
  SetScrollRate(kScrollStep, kScrollStep);
  return true;
}

}  // namespace kep
