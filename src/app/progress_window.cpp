#include "app/progress_window.h"

#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/file_path.h"
#include "app/form_layout.h"

namespace kep {

namespace {

// Wide enough for a file name of some length; a longer one is shortened in the
// middle.
constexpr int kStepWidth = 420;
// The bar's range when the work cannot tell how far it is: it then pulses.
constexpr int kUnknownRange = 100;

}  // namespace

ProgressWindow::ProgressWindow(wxWindow* parent, const wxString& title,
                               std::function<void()> cancel)
    : wxDialog(wxGetTopLevelParent(parent), wxID_ANY, title, wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxCLOSE_BOX | wxSYSTEM_MENU),
      m_cancel(std::move(cancel)) {
  m_step =
      new wxStaticText(this, wxID_ANY, wxString(), wxDefaultPosition,
                       wxSize(FromDIP(kStepWidth), -1), wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_MIDDLE);
  m_bar = new wxGauge(this, wxID_ANY, kUnknownRange);
  m_cancelButton = new wxButton(this, wxID_CANCEL, "Cancel");
  m_cancelButton->SetToolTip("Stops the work; nothing of it is kept.");

  auto* rows = new wxBoxSizer(wxVERTICAL);
  rows->Add(m_step, 0, wxEXPAND | wxALL, 2 * kFormGap);
  rows->Add(m_bar, 0, wxEXPAND | wxLEFT | wxRIGHT, 2 * kFormGap);
  rows->Add(m_cancelButton, 0, wxALIGN_RIGHT | wxALL, 2 * kFormGap);
  SetSizerAndFit(rows);
  CentreOnParent();

  // The dialog turns Esc into a click on its Cancel button.
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { Cancel(); }, wxID_CANCEL);
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
    if (event.CanVeto()) {
      event.Veto();
      Cancel();
    } else {
      event.Skip();
    }
  });
}

void ProgressWindow::ShowStep(const ProgressStep& step) {
  const wxString text = PathText(step.text);
  if (m_step->GetLabelText() != text) m_step->SetLabelText(text);
  if (step.total > 0) {
    if (m_bar->GetRange() != step.total) m_bar->SetRange(step.total);
    m_bar->SetValue(std::min(step.done, step.total));
  } else {
    m_bar->Pulse();
  }
}

wxString ProgressWindow::StepText() const { return m_step->GetLabelText(); }

void ProgressWindow::Cancel() {
  if (m_cancelled) return;
  m_cancelled = true;
  m_cancelButton->SetLabel("Stopping...");
  m_cancelButton->Disable();
  m_cancel();
}

}  // namespace kep
