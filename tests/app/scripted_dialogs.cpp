#include "scripted_dialogs.h"

#include <gtest/gtest.h>
#include <wx/window.h>

#include "app/progress_window.h"

namespace kep::test {

namespace {

template <class Answer>
Answer Next(std::deque<Answer>& script, const char* dialog, Answer cancelled) {
  if (script.empty()) {
    ADD_FAILURE() << "No scripted answer for the " << dialog << " dialog";
    return cancelled;
  }
  Answer answer = script.front();
  script.pop_front();
  return answer;
}

}  // namespace

void ScriptedDialogs::ShowMessage(wxWindow*, const wxString& text) { messages.push_back(text); }

int ScriptedDialogs::ChooseOne(wxWindow*, const wxString& title, const wxArrayString& offered) {
  choiceTitles.push_back(title);
  choicesOffered.push_back(offered);
  return Next(choices, "choice", -1);
}

wxString ScriptedDialogs::AskOpenPath(wxWindow*, const wxString&) {
  return Next(openPaths, "open-file", wxString());
}

wxString ScriptedDialogs::AskSavePath(wxWindow*, const wxString&, const wxString&) {
  return Next(savePaths, "save-file", wxString());
}

void ScriptedDialogs::ShowProgress(ProgressWindow& window) {
  window.Show();
  progressSteps.push_back(window.StepText());
  if (whileInProgress) window.CallAfter([this, &window] { whileInProgress(window); });
}

void ScriptedDialogs::Clear() { *this = ScriptedDialogs(); }

void PressEscape(wxWindow& window) {
  wxKeyEvent esc(wxEVT_CHAR_HOOK);
  esc.m_keyCode = WXK_ESCAPE;
  esc.SetEventObject(&window);
  window.GetEventHandler()->ProcessEvent(esc);
}

}  // namespace kep::test
