#include "app/long_work.h"

#include <chrono>
#include <exception>
#include <future>
#include <thread>

#include <wx/evtloop.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include "app/busy_scope.h"
#include "app/dialog_service.h"

namespace kep {

namespace {

// Work that ends sooner shows no progress window.
constexpr auto kProgressDelay = std::chrono::milliseconds(500);
// How often the window's thread looks whether the work has ended. (An event sent
// by the work at its end would wait for the toolkit's next idle time, which a
// busy window may put off by a tenth of a second.)
constexpr int kPollIntervalMs = 5;
// How often the progress window shows the step the work has reached.
constexpr auto kStepInterval = std::chrono::milliseconds(100);
// Work that ends within this wait keeps the windows as they are: too short for
// anyone to see them unpainted.
constexpr auto kUnpaintedWait = std::chrono::milliseconds(50);

}  // namespace

void ProgressReport::Step(ProgressStep step) {
  std::lock_guard lock(m_mutex);
  m_step = std::move(step);
}

ProgressStep ProgressReport::Current() const {
  std::lock_guard lock(m_mutex);
  return m_step;
}

namespace {

// Waits for the work in an event loop of its own, which it leaves once the work
// has ended; a timer shows the progress window when it is due, and the step. The
// loop is left only while it is the innermost one: the work may end while a
// message box runs a loop of its own inside it.
void WaitPainted(wxWindow* parent, const wxString& title, std::atomic<bool>& stop,
                 const std::future<void>& finished, const ProgressReport& progress) {
  BusyScope busy(BusyScope::Painting::kKept);
  wxGUIEventLoop loop;
  const auto leaveWhenEnded = [&] {
    const bool ended = finished.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    if (ended && wxEventLoopBase::GetActive() == &loop) loop.Exit();
  };

  ProgressWindow* window = nullptr;
  const auto start = std::chrono::steady_clock::now();
  auto stepShown = start;
  wxTimer timer;
  timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
    leaveWhenEnded();
    const auto now = std::chrono::steady_clock::now();
    if (!window && now - start >= kProgressDelay) {
      window = new ProgressWindow(parent, title, [&stop] { stop = true; });
      window->ShowStep(progress.Current());
      Dialogs().ShowProgress(*window);
      stepShown = now;
    } else if (window && now - stepShown >= kStepInterval) {
      window->ShowStep(progress.Current());
      stepShown = now;
    }
  });
  timer.Start(kPollIntervalMs);
  loop.Run();
  timer.Stop();
  if (window) window->Destroy();
}

}  // namespace

// Work that ends within a moment is waited for without the event loop and
// without disabling every control, which would cost more than the work.
void RunLongWork(wxWindow* parent, const wxString& title, const ProgressStep& first,
                 const LongWork& work) {
  const wxBusyCursor waiting;
  std::atomic<bool> stop{false};
  ProgressReport progress(first);
  std::promise<void> done;
  const std::future<void> finished = done.get_future();
  std::exception_ptr failure;
  {
    std::jthread worker([&] {
      try {
        work(stop, progress);
      } catch (...) {
        failure = std::current_exception();
      }
      done.set_value();
    });
    if (finished.wait_for(kUnpaintedWait) != std::future_status::ready) {
      WaitPainted(parent, title, stop, finished, progress);
    }
  }
  if (failure) std::rethrow_exception(failure);
}

}  // namespace kep
