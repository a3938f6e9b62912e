#include "interactive/input_form.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "fractal/method_table.h"
#include "fractal/parameter_range.h"
#include "interactive/kep_doc.h"

namespace kep {

namespace {

constexpr const char* kNoFileSelected = "No File Selected";

constexpr FormFields::IntegerRange kParameterRange{kMinParameter, kMaxParameter};

}  // namespace

bool CInputForm::Create(wxWindow* parent, wxDocument& document, wxWindow& frame) {
  if (!MethodForm::Create(parent, document, frame)) return false;
  BuildControls();
  BindCommands();

  m_fields.AddText(ControlOf<wxStaticText>(kIdFileName), m_fileName);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(kIdLowerBrightness), m_lowerBrightness,
                      kBrightnessRange);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(kIdHigherBrightness), m_higherBrightness,
                      kBrightnessRange);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(kIdMinParticleSize), m_minParticleSize,
                      kRegionSizeRange);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(kIdMinHoleSize), m_minHoleSize, kRegionSizeRange);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(kIdParticleBrightness), m_particleBrightness,
                      kBrightnessRange);
  m_fields.AddCheck(ControlOf<wxCheckBox>(kIdAnimate), m_animate);
  m_fields.AddText(ControlOf<wxStaticText>(kIdLabel1), m_label1);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(kIdParam2), m_param2, kParameterRange);
  m_fields.AddText(ControlOf<wxStaticText>(kIdLabel2), m_label2);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(kIdParam3), m_param3, kParameterRange);
  m_fields.AddText(ControlOf<wxStaticText>(kIdLabel3), m_label3);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(kIdParam1), m_param1, kParameterRange);
  m_fields.AddNumber(ControlOf<wxTextCtrl>(kIdBrightPercent), m_brightPercent, 0.0,
                     kMaxBrightPercent);
  return true;
}

void CInputForm::BindCommands() {
  const std::pair<int, void (CInputForm::*)()> buttons[] = {
      {kIdLoadFile, &CInputForm::OnLoadFile},   {kIdHistogram, &CInputForm::OnHistogram},
      {kIdThreshold, &CInputForm::OnThreshold}, {kIdDeleteSP, &CInputForm::OnDeleteSP},
      {kIdFillHoles, &CInputForm::OnFillHoles}, {kIdGetEdge, &CInputForm::OnGetEdge},
      {kIdSwap, &CInputForm::OnSwap},           {kIdCalculateFD, &CInputForm::OnCalculateFD},
  };
  for (const auto& [id, command] : buttons) {
    OnControl(wxEVT_BUTTON, id, [this, command = command] { (this->*command)(); });
  }
  // Values the program itself puts into the edits bring no notification.
  for (int id : {kIdLowerBrightness, kIdHigherBrightness, kIdMinParticleSize, kIdMinHoleSize,
                 kIdParticleBrightness, kIdParam1, kIdParam2, kIdParam3, kIdBrightPercent}) {
    OnControl(wxEVT_TEXT, id, [this] { OnChange(); });
  }
  OnControl(wxEVT_CHOICE, kIdMethod, [this] { OnChange(); });
  OnControl(wxEVT_CHECKBOX, kIdAnimate, [this] { OnChange(); });
}

CKEPDoc* CInputForm::GetDocument() const {
  return dynamic_cast<CKEPDoc*>(DocumentPane::GetDocument());
}

// The form view's own first update runs Update once; the start values follow.
void CInputForm::OnInitialUpdate() {
  MethodForm::OnInitialUpdate();
  GetDocument()->m_pInputForm = this;
  m_fileName = kNoFileSelected;
  StartMethodChoice();
  m_fields.ToControls();
}

MethodChoice& CInputForm::Choice() const { return *GetDocument(); }

void CInputForm::OnChange() {
  if (TakeValues()) GetDocument()->Modify(true);
}

}  // namespace kep
