// The project form's controls, top to bottom: the calculation group, the file
// browser with the project's file list, and the pre-processing values.

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "app/accessible_label.h"
#include "app/form_layout.h"
#include "project/ui/multi_select_list_box.h"
#include "project/ui/project_input_form.h"

namespace kep {

namespace {

constexpr int kGap = kFormGap;
// Rows the two lists show without scrolling.
constexpr int kListingRows = 9;
constexpr int kFileListRows = 6;

wxStaticText* AddLabel(wxWindow* parent, wxSizer& rows, const wxString& text) {
  auto* label = new wxStaticText(parent, wxID_ANY, text);
  rows.Add(label, 0, wxBOTTOM, kGap / 2);
  return label;
}

void SetRows(CMultiSelectListBox& list, int rows) {
  list.SetMinSize(wxSize(-1, list.GetCharHeight() * 3 / 2 * rows));
}

}  // namespace

void CProjectInputForm::BuildControls() {
  auto* form = new wxBoxSizer(wxVERTICAL);

  const auto [calcBox, calc, calcOuter] = NewFormGroup(this, "Fractal Dimension Calculation");
  AddMethodControls(calcBox, *calc,
                    {kIdProjectMethod, kIdProjectLabel1, kIdProjectParam1, kIdProjectLabel2,
                     kIdProjectParam2, kIdProjectLabel3, kIdProjectParam3});
  AddCommandButtons(Commands(), kInCalculation, calcBox,
                    [&](wxButton* button) { calc->Add(button); });
  form->Add(calcOuter, 0, wxEXPAND | wxALL, kGap);

  const auto [filesBox, files, filesOuter] = NewFormGroup(this, "Project Files Selection");
  wxStaticText* directoryLabel = AddLabel(filesBox, *files, "Directory :");
  m_directoryBox = new wxComboBox(filesBox, kIdDirectory, wxString(), wxDefaultPosition,
                                  wxDefaultSize, 0, nullptr, wxCB_DROPDOWN | wxTE_PROCESS_ENTER);
  m_directoryBox->SetMinSize(wxSize(filesBox->FromDIP(120), -1));
  m_directoryBox->SetToolTip(
      "The directory listed below: [-/-] is the root, [-~-] your home directory. Type a "
      "directory and press Enter to go there.");
  LabelControl(*directoryLabel, *m_directoryBox);
  files->Add(m_directoryBox, 0, wxEXPAND | wxBOTTOM, kGap / 2);
  m_dirList = new CMultiSelectListBox(filesBox, kIdListing);
  m_dirList->SetToolTip(
      "The directory's subdirectories, in brackets, and its files of the chosen type. "
      "Double-click a subdirectory to enter it, a file to add it.");
  LabelControl(*directoryLabel, *m_dirList);
  SetRows(*m_dirList, kListingRows);
  files->Add(m_dirList, 0, wxEXPAND | wxBOTTOM, kGap);

  auto* type = new wxBoxSizer(wxHORIZONTAL);
  auto* typeLabel = new wxStaticText(filesBox, wxID_ANY, "File Type :");
  m_fileTypeBox = new wxChoice(filesBox, kIdFileType);
  m_fileTypeBox->SetToolTip("Which files of the directory the list shows.");
  LabelControl(*typeLabel, *m_fileTypeBox);
  type->Add(typeLabel, 0, wxALIGN_CENTRE_VERTICAL | wxRIGHT, kGap);
  type->Add(m_fileTypeBox, 1);
  files->Add(type, 0, wxEXPAND | wxBOTTOM, kGap);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  AddCommandButtons(Commands(), kUnderBrowser, filesBox, [&](wxButton* button) {
    buttons->Add(button, 1, buttons->IsEmpty() ? 0 : wxLEFT, kGap);
  });
  files->Add(buttons, 0, wxEXPAND | wxBOTTOM, kGap);

  wxStaticText* fileListLabel = AddLabel(filesBox, *files, "Files in Project :");
  m_fileList = new CMultiSelectListBox(filesBox, kIdFileList);
  LabelControl(*fileListLabel, *m_fileList);
  SetRows(*m_fileList, kFileListRows);
  files->Add(m_fileList, 0, wxEXPAND);
  form->Add(filesOuter, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);

  const auto [valuesBox, values, valuesOuter] = NewFormGroup(this, "Image Parameters");
  AddPreprocessEdit(kBrightPercent, valuesBox, *values,
                    "Bright Particles (%) :", kIdProjectBrightPercent);
  AddPreprocessEdit(kLowerBrightness, valuesBox, *values,
                    "Lower Brightness (0, 255) :", kIdProjectLowerBrightness);
  AddPreprocessEdit(kMinParticleSize, valuesBox, *values,
                    "Minimal Particle Size :", kIdProjectMinParticleSize);
  AddPreprocessEdit(kMinHoleSize, valuesBox, *values, "Minimal Hole Size :", kIdProjectMinHoleSize);
  form->Add(valuesOuter, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);

  SetSizer(form);
  FitInside();
}

}  // namespace kep
