#pragma once

#include <memory>

#include "services/clock.h"

class wxBusyCursor;
class wxWindowDisabler;

namespace kep {

// A command that may take long: the wait cursor while it runs, and no other
// command of any window may start until it ends (see IsBusy). A command that
// animates keeps the windows painted: during the methods' pauses the toolkit
// repaints them, while every window refuses input.
class BusyScope {
 public:
  enum class Painting { kBlocked, kKept };

  explicit BusyScope(Painting painting = Painting::kBlocked);
  ~BusyScope();
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

  // Whether a command is running: commands, and closing a window, wait for it.
  static bool IsBusy();

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

  std::unique_ptr<wxBusyCursor> m_cursor;
  std::unique_ptr<wxWindowDisabler> m_disabler;
  std::unique_ptr<PaintingClock> m_clock;
  std::unique_ptr<ScopedClock> m_scopedClock;
};

}  // namespace kep
