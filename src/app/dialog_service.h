#pragma once

#include <wx/arrstr.h>
#include <wx/string.h>

class wxWindow;

namespace kep {

class ProgressWindow;

// Every message box, choice and file dialog of the program goes through here, so
// that tests can answer them without a modal window. A null parent means the
// main window.
class DialogService {
 public:
  virtual ~DialogService() = default;

  // A message box with the program's name as caption and one OK button.
  virtual void ShowMessage(wxWindow* parent, const wxString& text) = 0;
  // The index of the choice the user picked, or -1 when cancelled.
  virtual int ChooseOne(wxWindow* parent, const wxString& title,
                        const wxArrayString& choices) = 0;
  // An existing file to open, or empty when cancelled. `filter` is in the
  // toolkit's "Name|pattern|..." form.
  virtual wxString AskOpenPath(wxWindow* parent, const wxString& filter) = 0;
  // A file to save to, asking before an existing one is replaced; empty when
  // cancelled.
  virtual wxString AskSavePath(wxWindow* parent, const wxString& defaultName,
                               const wxString& filter) = 0;
  // Shows the progress window of long work in front, with the keyboard. It is
  // no modal dialog: the work goes on, and the window's owner destroys it.
  virtual void ShowProgress(ProgressWindow& window) = 0;
};

// The toolkit's own modal dialogs.
class ToolkitDialogs final : public DialogService {
 public:
  void ShowMessage(wxWindow* parent, const wxString& text) override;
  int ChooseOne(wxWindow* parent, const wxString& title, const wxArrayString& choices) override;
  wxString AskOpenPath(wxWindow* parent, const wxString& filter) override;
  wxString AskSavePath(wxWindow* parent, const wxString& defaultName,
                       const wxString& filter) override;
  void ShowProgress(ProgressWindow& window) override;
};

// Any file at all, for dialogs without a filter of their own.
inline constexpr const char* kAllFilesFilter = "All Files (*)|*";

// The dialogs in use; the toolkit's unless another service is set.
DialogService& Dialogs();
// Installs a service (nullptr restores the toolkit's) and returns the previous one.
DialogService* SetDialogs(DialogService* dialogs);

}  // namespace kep
