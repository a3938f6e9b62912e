#pragma once

#include <atomic>
#include <functional>
#include <mutex>

#include <wx/string.h>

#include "app/progress_window.h"

class wxWindow;

namespace kep {

// Where the work has come, told by the work from its own thread and read by the
// window's.
class ProgressReport {
 public:
  explicit ProgressReport(ProgressStep first) : m_step(std::move(first)) {}

  void Step(ProgressStep step);
  ProgressStep Current() const;

 private:
  mutable std::mutex m_mutex;
  ProgressStep m_step;
};

// Work that reads nothing of the toolkit and changes no document: it may run on
// another thread. It stops soon once `stop` is set.
using LongWork = std::function<void(const std::atomic<bool>& stop, ProgressReport& progress)>;

// Runs the work on a thread of its own and returns when it has ended, whether it
// ran to its end or stopped. Meanwhile the windows are painted and refuse input,
// and a request to close one is refused with a message (see BusyScope). Work that
// lasts longer than half a second shows a progress window, through the dialog
// service, titled after the command; its Cancel button (or Esc) sets `stop`. The
// caller changes its document afterwards, on this thread, from what the work
// left: a stopped piece of work leaves nothing to take. An exception of the work
// is thrown again here.
void RunLongWork(wxWindow* parent, const wxString& title, const ProgressStep& first,
                 const LongWork& work);

}  // namespace kep
