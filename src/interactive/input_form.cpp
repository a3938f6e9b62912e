#include "interactive/input_form.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/method_fields.h"
#include "fractal/method_table.h"
#include "interactive/kep_doc.h"

namespace kep {

namespace {

constexpr const char* kNoFileSelected = "No File Selected";

constexpr FormFields::IntegerRange kBrightnessRange{0, 255};
constexpr FormFields::IntegerRange kSizeRange{0, 1000000};
constexpr FormFields::IntegerRange kParameterRange{1, 10000};

template <class Control>
Control& ControlOf(const wxWindow& form, int id) {
  return *dynamic_cast<Control*>(form.FindWindow(id));
}

}  // namespace

bool CInputForm::Create(wxWindow* parent, wxDocument& document, wxWindow& frame) {
  if (!FormPane::Create(parent, document, frame)) return false;
  BuildControls();
  BindCommands();

  m_fields.AddText(ControlOf<wxStaticText>(*this, kIdFileName), m_fileName);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(*this, kIdLowerBrightness), m_lowerBrightness,
                      kBrightnessRange);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(*this, kIdHigherBrightness), m_higherBrightness,
                      kBrightnessRange);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(*this, kIdMinParticleSize), m_minParticleSize,
                      kSizeRange);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(*this, kIdMinHoleSize), m_minHoleSize, kSizeRange);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(*this, kIdParticleBrightness), m_particleBrightness,
                      kBrightnessRange);
  m_fields.AddCheck(ControlOf<wxCheckBox>(*this, kIdAnimate), m_animate);
  m_fields.AddText(ControlOf<wxStaticText>(*this, kIdLabel1), m_label1);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(*this, kIdParam2), m_param2, kParameterRange);
  m_fields.AddText(ControlOf<wxStaticText>(*this, kIdLabel2), m_label2);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(*this, kIdParam3), m_param3, kParameterRange);
  m_fields.AddText(ControlOf<wxStaticText>(*this, kIdLabel3), m_label3);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(*this, kIdParam1), m_param1, kParameterRange);
  m_fields.AddNumber(ControlOf<wxTextCtrl>(*this, kIdBrightPercent), m_brightPercent, 0.0, 100.0);
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
  FormPane::OnInitialUpdate();
  CKEPDoc* document = GetDocument();
  document->m_pInputForm = this;

  m_fileName = kNoFileSelected;
  m_background = 0;
  SetStartValues(MethodFieldsOf());
  CopyParametersToDocument();

  m_methodList->Clear();
  for (const MethodInfo& method : kMethods) m_methodList->Append(method.listText);
  m_methodList->SetSelection(0);
  document->m_method = 0;
  m_fields.ToControls();
}

void CInputForm::OnUpdate(DocumentPane*, wxObject*) {
  const CKEPDoc* document = GetDocument();
  if (!document || document->m_method < 0 || document->m_method >= kMethodCount) return;
  SetMethodDefaults(document->m_method, MethodFieldsOf());
  CopyParametersToDocument();
  m_fields.ToControls();
}

void CInputForm::OnChange() {
  if (!m_fields.FromControls()) return;
  if (m_particleBrightness == 0) m_background = 255;
  if (m_particleBrightness == 255) m_background = 0;
  CKEPDoc* document = GetDocument();
  document->Modify(true);
  CopyParametersToDocument();
  const int method = m_methodList->GetSelection();
  if (method != wxNOT_FOUND && method != document->m_method) {
    document->m_method = method;
    document->UpdateAllViews();
  }
}

MethodFields CInputForm::MethodFieldsOf() {
  return {m_label1, m_param1, m_label2, m_param2, m_label3, m_param3};
}

void CInputForm::CopyParametersToDocument() {
  CKEPDoc* document = GetDocument();
  document->m_param1 = m_param1;
  document->m_param2 = m_param2;
  document->m_param3 = m_param3;
}

}  // namespace kep
