#pragma once

#include <deque>
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

  std::deque<int> choices;
  std::deque<wxString> openPaths;
  std::deque<wxString> savePaths;

  // What was shown or offered, oldest first.
  std::vector<wxString> messages;
  std::vector<wxString> choiceTitles;
  std::vector<wxArrayString> choicesOffered;

  // Forgets the script and the record.
  void Clear();
};

}  // namespace kep::test
