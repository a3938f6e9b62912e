// The input form's controls, top to bottom: loading, the calculation group, the
// pre-processing tools and their values.

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/form_layout.h"
#include "interactive/input_form.h"

namespace kep {

namespace {

constexpr int kGap = kFormGap;

}  // namespace

wxSizer* CInputForm::NewCalculationGroup() {
  const auto [box, group, outer] = NewFormGroup(this, "Fractal Dimension Calculation");
  AddMethodControls(box, *group,
                    {kIdMethod, kIdLabel1, kIdParam1, kIdLabel2, kIdParam2, kIdLabel3, kIdParam3});
  auto* calculate = new wxBoxSizer(wxHORIZONTAL);
  AddCommandButtons(Commands(), kBesideAnimate, box,
                    [&](wxButton* button) { calculate->Add(button); });
  auto* animate = new wxCheckBox(box, kIdAnimate, "Animate");
  animate->SetToolTip("Draws each step of the method into the right pane while it measures.");
  calculate->Add(animate, 0, wxALIGN_CENTRE_VERTICAL | wxLEFT, 2 * kGap);
  group->Add(calculate);
  return outer;
}

// The tools in a column, with Swap beside them: it exchanges the two images that
// the tools read and write. Their values follow.
wxSizer* CInputForm::NewToolsGroup() {
  const auto [box, group, outer] = NewFormGroup(this, "Analysis Tools ");
  auto* tools = new wxBoxSizer(wxVERTICAL);
  AddCommandButtons(Commands(), kToolColumn, box, [&](wxButton* button) {
    tools->Add(button, 0, wxEXPAND | wxBOTTOM, kGap / 2);
  });
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(tools, 1);
  AddCommandButtons(Commands(), kBesideTools, box, [&](wxButton* button) {
    buttons->Add(button, 1, wxALIGN_CENTRE_VERTICAL | wxLEFT, kGap);
  });
  group->Add(buttons, 0, wxEXPAND | wxBOTTOM, kGap);

  AddPreprocessEdit(kBrightPercent, box, *group, "Bright Particles (%) :", kIdBrightPercent);
  AddPreprocessEdit(kLowerBrightness, box, *group,
                    "Lower Brightness (0-255) :", kIdLowerBrightness);
  AddPreprocessEdit(kMinParticleSize, box, *group, "Minimal Particle Size :", kIdMinParticleSize);
  AddPreprocessEdit(kMinHoleSize, box, *group, "Minimal Hole Size :", kIdMinHoleSize);
  return outer;
}

// The particle brightness, and the higher brightness, which the form keeps at
// 255 without showing it.
wxSizer* CInputForm::NewParticleFields() {
  auto* fields = new wxBoxSizer(wxVERTICAL);
  AddPreprocessEdit(kParticleBrightness, this, *fields,
                    "Particle Brightness (0, 255) :", kIdParticleBrightness);
  AddPreprocessEdit(kHigherBrightness, this, *fields,
                    "Higher Brightness (0-255) :", kIdHigherBrightness);
  fields->Hide(fields->GetItemCount() - 1);
  return fields;
}

void CInputForm::BuildControls() {
  auto* form = new wxBoxSizer(wxVERTICAL);
  AddCommandButtons(Commands(), kAtTop, this,
                    [&](wxButton* button) { form->Add(button, 0, wxALL, kGap); });
  form->Add(new wxStaticText(this, wxID_ANY, "FileName :"), 0, wxLEFT | wxRIGHT, kGap);
  auto* fileName = new wxStaticText(this, kIdFileName, "No File Selected", wxDefaultPosition,
                                    wxDefaultSize, wxST_ELLIPSIZE_START | wxST_NO_AUTORESIZE);
  form->Add(fileName, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);
  form->Add(NewCalculationGroup(), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);
  form->Add(NewToolsGroup(), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);
  form->Add(new wxStaticText(this, wxID_ANY, "Note :   SP--Small Particles"), 0, wxLEFT | wxRIGHT,
            kGap);
  form->Add(new wxStaticText(this, wxID_ANY, "            FD--Fractal Demension"), 0,
            wxLEFT | wxRIGHT | wxBOTTOM, kGap);
  form->Add(NewParticleFields(), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);
  SetSizer(form);
  FitInside();
}

}  // namespace kep
