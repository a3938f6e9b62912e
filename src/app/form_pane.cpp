#include "app/form_pane.h"

#include <wx/settings.h>

namespace kep {

namespace {

constexpr int kScrollStep = 10;

}  // namespace

bool FormPane::Create(wxWindow* parent, wxDocument& document, wxWindow& frame) {
  if (!DocumentPane::Create(parent, document, frame)) return false;
  SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
  SetScrollRate(kScrollStep, kScrollStep);
  Bind(wxEVT_CHILD_FOCUS, [this](wxChildFocusEvent& event) {
    if (wxWindow* focused = FindFocus(); focused && focused != this) ScrollIntoView(*focused);
    event.Skip();
  });
  return true;
}

void FormPane::ScrollIntoView(wxWindow& control) {
  const wxRect shown(ClientToScreen(wxPoint(0, 0)), GetClientSize());
  const wxRect wanted = control.GetScreenRect();
  int dy = 0;
  if (wanted.GetBottom() > shown.GetBottom()) dy = wanted.GetBottom() - shown.GetBottom();
  if (wanted.GetTop() - dy < shown.GetTop()) dy = wanted.GetTop() - shown.GetTop();
  if (dy == 0) return;
  int x = 0;
  int y = 0;
  GetViewStart(&x, &y);
  Scroll(x, y + (dy + (dy > 0 ? kScrollStep - 1 : 0)) / kScrollStep);
}

}  // namespace kep
