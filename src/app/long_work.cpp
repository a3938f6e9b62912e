#include "app/long_work.h"

#include <chrono>
#include <exception>
#include <thread>

#include <wx/evtloop.h>
#include <wx/timer.h>

#include "app/busy_scope.h"
#include "app/dialog_service.h"

namespace kep {

namespace {

// Work that ends sooner shows no progress window.
constexpr auto kProgressDelay = std::chrono::milliseconds(500);
// How often the progress window shows the step the work has reached.
constexpr int kProgressIntervalMs = 100;

}  // namespace

void ProgressReport::Step(ProgressStep step) {
  std::lock_guard lock(m_mutex);
  m_step = std::move(step);
}

ProgressStep ProgressReport::Current() const {
  std::lock_guard lock(m_mutex);
  return m_step;
}

// The window's thread waits in an event loop of its own, which it leaves once
// the work has ended; a timer shows the progress window when it is due, and the
// step. The loop is left only while it is the innermost one: the work may end
// while a message box runs a loop of its own inside it.
void RunLongWork(wxWindow* parent, const wxString& title, const ProgressStep& first,
                 const LongWork& work) {
  BusyScope busy(BusyScope::Painting::kKept);
  std::atomic<bool> stop{false};
  std::atomic<bool> ended{false};
  ProgressReport progress(first);
  wxGUIEventLoop loop;
  const auto leaveWhenEnded = [&] {
    if (ended && wxEventLoopBase::GetActive() == &loop) loop.Exit();
  };

  ProgressWindow* window = nullptr;
  const auto start = std::chrono::steady_clock::now();
  wxTimer timer;
  timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
    leaveWhenEnded();
    if (!window && std::chrono::steady_clock::now() - start >= kProgressDelay) {
      window = new ProgressWindow(parent, title, [&stop] { stop = true; });
      window->ShowStep(progress.Current());
      Dialogs().ShowProgress(*window);
    } else if (window) {
      window->ShowStep(progress.Current());
    }
  });
  timer.Start(kProgressIntervalMs);
  wxEvtHandler endings;
  endings.Bind(wxEVT_THREAD, [&](wxThreadEvent&) { leaveWhenEnded(); });

  std::exception_ptr failure;
  {
    std::jthread worker([&] {
      try {
        work(stop, progress);
      } catch (...) {
        failure = std::current_exception();
      }
      ended = true;
      endings.QueueEvent(new wxThreadEvent);
    });
    loop.Run();
  }
  timer.Stop();
  if (window) window->Destroy();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace kep
