// The project form's controls, top to bottom: the calculation group, the file
// browser with the project's file list, and the pre-processing values.

#include <wx/button.h>
#include <wx/choice.h>
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
  calc->Add(new wxButton(calcBox, kIdProjectCalculateFD, "Calculate FD"));
  form->Add(calcOuter, 0, wxEXPAND | wxALL, kGap);

  const auto [filesBox, files, filesOuter] = NewFormGroup(this, "Project Files Selection");
  wxStaticText* directoryLabel = AddLabel(filesBox, *files, "Directory :");
  m_directoryBox = new wxChoice(filesBox, kIdDirectory);
  m_directoryBox->SetMinSize(wxSize(filesBox->FromDIP(120), -1));
  LabelControl(*directoryLabel, *m_directoryBox);
  files->Add(m_directoryBox, 0, wxEXPAND | wxBOTTOM, kGap / 2);
  m_dirList = new CMultiSelectListBox(filesBox, kIdListing);
  LabelControl(*directoryLabel, *m_dirList);
  SetRows(*m_dirList, kListingRows);
  files->Add(m_dirList, 0, wxEXPAND | wxBOTTOM, kGap);

  auto* type = new wxBoxSizer(wxHORIZONTAL);
  auto* typeLabel = new wxStaticText(filesBox, wxID_ANY, "File Type :");
  m_fileTypeBox = new wxChoice(filesBox, kIdFileType);
  LabelControl(*typeLabel, *m_fileTypeBox);
  type->Add(typeLabel, 0, wxALIGN_CENTRE_VERTICAL | wxRIGHT, kGap);
  type->Add(m_fileTypeBox, 1);
  files->Add(type, 0, wxEXPAND | wxBOTTOM, kGap);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(new wxButton(filesBox, kIdAdd, "Add"), 1, wxRIGHT, kGap);
  buttons->Add(new wxButton(filesBox, kIdDelete, "Delete"), 1);
  files->Add(buttons, 0, wxEXPAND | wxBOTTOM, kGap);

  wxStaticText* fileListLabel = AddLabel(filesBox, *files, "Files in Project :");
  m_fileList = new CMultiSelectListBox(filesBox, kIdFileList);
  LabelControl(*fileListLabel, *m_fileList);
  SetRows(*m_fileList, kFileListRows);
  files->Add(m_fileList, 0, wxEXPAND);
  form->Add(filesOuter, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);

  const auto [valuesBox, values, valuesOuter] = NewFormGroup(this, "Image Parameters");
  AddLabelledEdit(valuesBox, *values, "Bright Particles (%) :", kPercentDigits,
                  kIdProjectBrightPercent);
  AddLabelledEdit(valuesBox, *values, "Lower Brightness (0, 255) :", kBrightnessDigits,
                  kIdProjectLowerBrightness);
  AddLabelledEdit(valuesBox, *values, "Minimal Particle Size :", kSizeDigits,
                  kIdProjectMinParticleSize);
  AddLabelledEdit(valuesBox, *values, "Minimal Hole Size :", kSizeDigits, kIdProjectMinHoleSize);
  form->Add(valuesOuter, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);

  SetSizer(form);
  FitInside();
}

}  // namespace kep
