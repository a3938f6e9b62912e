#include "app/busy_scope.h"

#include <wx/app.h>
#include <wx/time.h>
#include <wx/utils.h>

namespace kep {

namespace {

int g_busyCommands = 0;

// How often the windows are repainted during a pause.
constexpr std::int64_t kPaintIntervalMs = 30;

}  // namespace

BusyScope::BusyScope(Painting painting) : m_cursor(std::make_unique<wxBusyCursor>()) {
  ++g_busyCommands;
  if (painting == Painting::kKept) {
    m_disabler = std::make_unique<wxWindowDisabler>();
    m_clock = std::make_unique<PaintingClock>(CurrentClock());
    m_scopedClock = std::make_unique<ScopedClock>(*m_clock);
  }
}

BusyScope::~BusyScope() {
  m_scopedClock.reset();
  m_disabler.reset();
  --g_busyCommands;
}

bool BusyScope::IsBusy() { return g_busyCommands > 0; }

// The windows refuse input meanwhile, so that the events processed here can be
// paints and the like only.
std::int64_t BusyScope::PaintingClock::NowSeconds() {
  const std::int64_t now = wxGetLocalTimeMillis().GetValue();
  if (now - m_lastPaintMs >= kPaintIntervalMs) {
    m_lastPaintMs = now;
    wxTheApp->Yield(true);
  }
  return m_time.NowSeconds();
}

}  // namespace kep
