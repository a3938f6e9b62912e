#include "app/busy_scope.h"

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/mdi.h>
#include <wx/menu.h>
#include <wx/time.h>
#include <wx/utils.h>

#include "app/dialog_service.h"

namespace kep {

namespace {

int g_busyCommands = 0;

// How often the windows are repainted during a pause.
constexpr std::int64_t kPaintIntervalMs = 30;

}  // namespace

BusyScope::BusyScope(Painting painting) : m_cursor(std::make_unique<wxBusyCursor>()) {
  ++g_busyCommands;
  if (painting == Painting::kKept) {
    DisableInput();
    m_clock = std::make_unique<PaintingClock>(CurrentClock());
    m_scopedClock = std::make_unique<ScopedClock>(*m_clock);
  }
}

BusyScope::~BusyScope() {
  m_scopedClock.reset();
  for (auto window = m_disabled.rbegin(); window != m_disabled.rend(); ++window) {
    (*window)->Enable();
  }
  if (m_focus) m_focus->SetFocus();
  --g_busyCommands;
}

bool BusyScope::IsBusy() { return g_busyCommands > 0; }

bool BusyScope::RefusesClosing(wxWindow* parent) {
  if (!IsBusy()) return false;
  Dialogs().ShowMessage(parent, kBusyCloseMessage);
  return true;
}

void BusyScope::PaintNow() { wxTheApp->Yield(true); }

// Everything inside the top-level windows is disabled, and the menu bars, but
// not the windows themselves: a disabled window would ignore a close request
// without a word. A control that is disabled loses the keyboard, so it is
// given back at the end. The menu bars of document windows (shown in the main window
// while their document is active) count as well.
void BusyScope::DisableInput() {
  m_focus = wxWindow::FindFocus();
  const auto disable = [this](wxWindow* window) {
    if (window == nullptr || !window->IsEnabled()) return;
    window->Disable();
    m_disabled.push_back(window);
  };
  for (wxWindow* top : wxTopLevelWindows) {
    if (!top->IsShown()) continue;
    for (wxWindow* child : top->GetChildren()) disable(child);
    if (auto* frame = dynamic_cast<wxFrame*>(top)) disable(frame->GetMenuBar());
    if (auto* parent = dynamic_cast<wxMDIParentFrame*>(top)) {
      for (wxWindow* window : parent->GetClientWindow()->GetChildren()) {
        if (auto* child = dynamic_cast<wxFrame*>(window)) disable(child->GetMenuBar());
      }
    }
  }
}

// The windows refuse input meanwhile, so that the events processed here can be
// paints and close requests only.
std::int64_t BusyScope::PaintingClock::NowSeconds() {
  const std::int64_t now = wxGetLocalTimeMillis().GetValue();
  if (now - m_lastPaintMs >= kPaintIntervalMs) {
    m_lastPaintMs = now;
    PaintNow();
  }
  return m_time.NowSeconds();
}

}  // namespace kep
