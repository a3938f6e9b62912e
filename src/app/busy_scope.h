#pragma once

#include <memory>
#include <vector>

#include <wx/weakref.h>
#include <wx/window.h>

#include "services/clock.h"

class wxBusyCursor;

namespace kep {

// What the windows answer to a request to close them, or the program, while a
// command is running.
inline constexpr const char* kBusyCloseMessage =
    "A calculation is running. Please close the window when it has finished.";

// A command that may take long: the wait cursor while it runs, and no other
// command of any window may start until it ends (see IsBusy). A command that
// keeps the windows painted (an animation, a project run) lets the toolkit
// repaint them while it works; meanwhile the menus, tool bars and panes of every
// window refuse input, but the windows themselves stay open to a close request,
// which is refused with a message.
class BusyScope {
 public:
  enum class Painting { kBlocked, kKept };

  explicit BusyScope(Painting painting = Painting::kBlocked);
  ~BusyScope();
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

  // Whether a command is running: commands, and closing a window, wait for it.
  static bool IsBusy();
  // True, after saying why, when a command is running and a window must stay
  // open; `parent` owns the message.
  static bool RefusesClosing(wxWindow* parent);

  // Lets the toolkit repaint the windows and hear close requests now; for a
  // command that keeps the windows painted.
  static void PaintNow();

 private:
  // The time of the clock in use before, letting the toolkit repaint the windows
  // at most every few milliseconds while the time is read in a loop.
  class PaintingClock final : public Clock {
   public:
    explicit PaintingClock(Clock& time) : m_time(time) {}
    std::int64_t NowSeconds() override;

   private:
    Clock& m_time;
    std::int64_t m_lastPaintMs = 0;
  };

  void DisableInput();

  std::unique_ptr<wxBusyCursor> m_cursor;
  std::vector<wxWindow*> m_disabled;
  // The control that had the keyboard, which gets it back at the end.
  wxWeakRef<wxWindow> m_focus;
  std::unique_ptr<PaintingClock> m_clock;
  std::unique_ptr<ScopedClock> m_scopedClock;
};

}  // namespace kep
