// The input form's controls, top to bottom: loading, the calculation group, the
// pre-processing tools and their values.

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/accessible_label.h"
#include "app/form_layout.h"
#include "interactive/input_form.h"

namespace kep {

namespace {

constexpr int kGap = kFormGap;

// The five tools in a column, with Swap beside them: it exchanges the two images
// that the tools read and write.
wxSizer* NewToolsGroup(wxWindow* form) {
  const auto [box, group, outer] = NewFormGroup(form, "Analysis Tools ");
  auto* tools = new wxBoxSizer(wxVERTICAL);
  const std::pair<int, const char*> toolButtons[] = {{kIdHistogram, "Histogram"},
                                                     {kIdThreshold, "Threshold"},
                                                     {kIdDeleteSP, "Delete SP"},
                                                     {kIdFillHoles, "Fill Holes"},
                                                     {kIdGetEdge, "Get Edge"}};
  for (const auto& [id, label] : toolButtons) {
    tools->Add(new wxButton(box, id, label), 0, wxEXPAND | wxBOTTOM, kGap / 2);
  }
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(tools, 1);
  buttons->Add(new wxButton(box, kIdSwap, "Swap"), 1, wxALIGN_CENTRE_VERTICAL | wxLEFT, kGap);
  group->Add(buttons, 0, wxEXPAND | wxBOTTOM, kGap);

  AddLabelledEdit(box, *group, "Bright Particles (%) :", kPercentDigits, kIdBrightPercent);
  AddLabelledEdit(box, *group, "Lower Brightness (0-255) :", kBrightnessDigits, kIdLowerBrightness);
  AddLabelledEdit(box, *group, "Minimal Particle Size :", kSizeDigits, kIdMinParticleSize);
  AddLabelledEdit(box, *group, "Minimal Hole Size :", kSizeDigits, kIdMinHoleSize);
  return outer;
}

// The particle brightness, and the higher brightness, which the form keeps at
// 255 without showing it.
wxSizer* NewParticleFields(wxWindow* form) {
  auto* fields = new wxBoxSizer(wxVERTICAL);
  AddLabelledEdit(form, *fields, "Particle Brightness (0, 255) :", kBrightnessDigits,
                  kIdParticleBrightness);
  wxStaticText* higherLabel = nullptr;
  wxTextCtrl* higher =
      AddLabelledEdit(form, *fields, "Higher Brightness (0-255) :", kBrightnessDigits,
                      kIdHigherBrightness, wxID_ANY, &higherLabel);
  higherLabel->Hide();
  higher->Hide();
  return fields;
}

}  // namespace

wxSizer* CInputForm::NewCalculationGroup() {
  const auto [box, group, outer] = NewFormGroup(this, "Fractal Dimension Calculation");
  AddMethodControls(box, *group,
                    {kIdMethod, kIdLabel1, kIdParam1, kIdLabel2, kIdParam2, kIdLabel3, kIdParam3});
  auto* calculate = new wxBoxSizer(wxHORIZONTAL);
  calculate->Add(new wxButton(box, kIdCalculateFD, "Calculate FD"));
  calculate->Add(new wxCheckBox(box, kIdAnimate, "Animate"), 0, wxALIGN_CENTRE_VERTICAL | wxLEFT,
                 2 * kGap);
  group->Add(calculate);
  return outer;
}

void CInputForm::BuildControls() {
  auto* form = new wxBoxSizer(wxVERTICAL);
  form->Add(new wxButton(this, kIdLoadFile, "Load File..."), 0, wxALL, kGap);
  form->Add(new wxStaticText(this, wxID_ANY, "FileName :"), 0, wxLEFT | wxRIGHT, kGap);
  auto* fileName = new wxStaticText(this, kIdFileName, "No File Selected", wxDefaultPosition,
                                    wxDefaultSize, wxST_ELLIPSIZE_START | wxST_NO_AUTORESIZE);
  form->Add(fileName, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);
  form->Add(NewCalculationGroup(), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);
  form->Add(NewToolsGroup(this), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);
  form->Add(new wxStaticText(this, wxID_ANY, "Note :   SP--Small Particles"), 0, wxLEFT | wxRIGHT,
            kGap);
  form->Add(new wxStaticText(this, wxID_ANY, "            FD--Fractal Demension"), 0,
            wxLEFT | wxRIGHT | wxBOTTOM, kGap);
  form->Add(NewParticleFields(this), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);
  SetSizer(form);
  FitInside();
}

}  // namespace kep
