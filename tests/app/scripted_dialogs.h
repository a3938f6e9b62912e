#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "app/dialog_service.h"

namespace kep::test {

// Answers the program's dialogs from a script, and records its messages. A
// dialog without a scripted answer fails the test and is cancelled.
class ScriptedDialogs final : public DialogService {
 public:
  void ShowMessage(wxWindow* parent, const wxString& text) override;
  int ChooseOne(wxWindow* parent, const wxString& title, const wxArrayString& choices) override;
  wxString AskOpenPath(wxWindow* parent, const wxString& filter) override;
  wxString AskSavePath(wxWindow* parent, const wxString& defaultName,
                       const wxString& filter) override;
  // Shows the window, notes its step and, once it is on the screen, does what
  // the script says while the work goes on.
  void ShowProgress(ProgressWindow& window) override;

  std::deque<int> choices;
  std::function<void(ProgressWindow&)> whileInProgress;
  std::deque<wxString> openPaths;
  std::deque<wxString> savePaths;

  // What was shown or offered, oldest first.
  std::vector<wxString> messages;
  std::vector<wxString> choiceTitles;
  std::vector<wxArrayString> choicesOffered;
  // The first step each progress window showed.
  std::vector<wxString> progressSteps;

  // Forgets the script and the record.
  void Clear();
};

// Presses Esc in the window, as its own key handling receives the key.
void PressEscape(wxWindow& window);

}  // namespace kep::test
