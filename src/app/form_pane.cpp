#include "app/form_pane.h"

#include <new>

#include <wx/docview.h>
#include <wx/settings.h>

#include "app/busy_scope.h"
#include "app/dialog_service.h"
#include "app/pane_view.h"

namespace kep {

namespace {

constexpr int kScrollStep = 10;
constexpr const char* kNotEnoughMemoryMessage = "Not enough memory to complete the command.";

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

void FormPane::RunCommand(const std::function<void()>& command) {
  if (BusyScope::IsBusy() || !GetDocument()) return;
  try {
    command();
  } catch (const std::bad_alloc&) {
    Dialogs().ShowMessage(this, kNotEnoughMemoryMessage);
    NotifyPanes(*GetDocument(), Change::kContents);
  }
}

void FormPane::NotifyOtherPanes(Change change) { NotifyPanes(*GetDocument(), change, GetView()); }

}  // namespace kep
