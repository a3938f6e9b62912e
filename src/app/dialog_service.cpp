#include "app/dialog_service.h"

#include <wx/app.h>
#include <wx/choicdlg.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>

#include "app/progress_window.h"

namespace kep {

namespace {

DialogService* g_dialogs = nullptr;

wxWindow* OwnerOr(wxWindow* parent) { return parent ? parent : wxTheApp->GetTopWindow(); }

}  // namespace

void ToolkitDialogs::ShowMessage(wxWindow* parent, const wxString& text) {
  wxMessageDialog(OwnerOr(parent), text, wxTheApp->GetAppDisplayName(), wxOK).ShowModal();
}

int ToolkitDialogs::ChooseOne(wxWindow* parent, const wxString& title,
                              const wxArrayString& choices) {
  wxSingleChoiceDialog dialog(OwnerOr(parent), title, title, choices);
  return dialog.ShowModal() == wxID_OK ? dialog.GetSelection() : -1;
}

wxString ToolkitDialogs::AskOpenPath(wxWindow* parent, const wxString& filter) {
  wxFileDialog dialog(OwnerOr(parent), "Open", wxString(), wxString(), filter,
                      wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  return dialog.ShowModal() == wxID_OK ? dialog.GetPath() : wxString();
}

wxString ToolkitDialogs::AskSavePath(wxWindow* parent, const wxString& defaultName,
                                     const wxString& filter) {
  wxFileDialog dialog(OwnerOr(parent), "Save As", wxString(), defaultName, filter,
                      wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  return dialog.ShowModal() == wxID_OK ? dialog.GetPath() : wxString();
}

void ToolkitDialogs::ShowProgress(ProgressWindow& window) {
  window.Show();
  window.Raise();
}

DialogService& Dialogs() {
  static ToolkitDialogs toolkitDialogs;
  return g_dialogs ? *g_dialogs : toolkitDialogs;
}

DialogService* SetDialogs(DialogService* dialogs) {
  DialogService* previous = g_dialogs;
  g_dialogs = dialogs;
  return previous;
}

}  // namespace kep
