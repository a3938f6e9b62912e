#pragma once

#include <functional>
#include <string>

#include <wx/dialog.h>

class wxButton;
class wxGauge;
class wxStaticText;

namespace kep {

// Where long work has come: a line naming the step ("file 12 of 300:
// koch.bmp"), in the file system's bytes where it names a file, and `done` of
// `total` steps (total 0 when the work cannot tell how far it is).
struct ProgressStep {
  std::string text;
  int done = 0;
  int total = 0;
};

// The window that long work shows while it lasts: its step, a bar, and a Cancel
// button; Esc and the window's close box cancel as well. It is no modal dialog:
// the program goes on meanwhile. Cancelling asks the work to stop, and the
// window stays, saying so, until the work has ended.
class ProgressWindow final : public wxDialog {
 public:
  ProgressWindow(wxWindow* parent, const wxString& title, std::function<void()> cancel);

  void ShowStep(const ProgressStep& step);
  // The step shown, as the person reads it.
  wxString StepText() const;

 private:
  void Cancel();

  std::function<void()> m_cancel;
  bool m_cancelled = false;
  wxStaticText* m_step = nullptr;
  wxGauge* m_bar = nullptr;
  wxButton* m_cancelButton = nullptr;
};

}  // namespace kep
