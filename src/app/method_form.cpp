#include "app/method_form.h"

#include <wx/choice.h>
#include <wx/docview.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/accessible_label.h"
#include "app/form_layout.h"
#include "app/update_hint.h"
#include "fractal/method_table.h"
#include "fractal/parameter_range.h"

namespace kep {

namespace {

// The digits of the largest parameter a form takes.
constexpr int kParameterDigits = 5;

// What a form starts with, before any method is chosen.
constexpr std::int32_t kStartParam1 = 1;
constexpr std::int32_t kStartParam2 = 30;
constexpr std::int32_t kStartParam3 = 1;

}  // namespace

void MethodForm::AddMethodControls(wxWindow* parent, wxSizer& rows, const MethodControlIds& ids) {
  auto* methodLabel = new wxStaticText(parent, wxID_ANY, "Fractal Dimension (FD) Method :");
  m_methodList = new wxChoice(parent, ids.method);
  // The longest method name needs more than the form's width; the list shows it
  // shortened, and in full when it drops down.
  m_methodList->SetMinSize(wxSize(parent->FromDIP(120), -1));
  m_methodList->SetToolTip("The method that measures the particles' outlines.");
  LabelControl(*methodLabel, *m_methodList);
  rows.Add(methodLabel, 0, wxBOTTOM, kFormGap / 2);
  rows.Add(m_methodList, 0, wxEXPAND | wxBOTTOM, kFormGap);
  const std::array<ParameterInfo, 3>& first = kMethods[0].parameters;
  const std::array<std::pair<int, int>, 3> controlIds = {
      {{ids.label1, ids.param1}, {ids.label2, ids.param2}, {ids.label3, ids.param3}}};
  const std::array<wxString*, 3> labels = {&m_label1, &m_label2, &m_label3};
  const std::array<std::int32_t*, 3> values = {&m_param1, &m_param2, &m_param3};
  for (std::size_t i = 0; i < m_parameters.size(); ++i) {
    wxStaticText* label = nullptr;
    wxTextCtrl* edit = AddLabelledEdit(parent, rows, first[i].label, kParameterDigits,
                                       controlIds[i].second, controlIds[i].first, &label);
    m_parameters[i] = {label, edit, labels[i], values[i]};
  }
  m_methodList->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) {
    RunCommand([this] {
      const int method = m_methodList->GetSelection();
      if (method != wxNOT_FOUND && method != Choice().m_method) ChooseMethod(method);
    });
  });
}

void MethodForm::ExchangeParameter(int id) {
  constexpr FormFields::IntegerRange kRange{kMinParameter, kMaxParameter};
  for (const Parameter& parameter : m_parameters) {
    if (parameter.edit->GetId() == id)
      m_fields.AddInteger(*parameter.edit, *parameter.value, kRange);
    if (parameter.label->GetId() == id) m_fields.AddText(*parameter.label, *parameter.labelText);
  }
}

void MethodForm::StartMethodChoice() {
  m_background = 0;
  const std::array<ParameterInfo, 3>& first = kMethods[0].parameters;
  m_label1 = first[0].label;
  m_label2 = first[1].label;
  m_label3 = first[2].label;
  m_param1 = kStartParam1;
  m_param2 = kStartParam2;
  m_param3 = kStartParam3;
  CopyParametersToDocument();
  m_methodList->Clear();
  for (const MethodInfo& method : kMethods) m_methodList->Append(method.listText);
  m_methodList->SetSelection(0);
  Choice().m_method = 0;
  NameParameters();
}

void MethodForm::ChooseMethod(std::int32_t method) {
  Choice().m_method = method;
  NotifyPanes(*GetDocument(), Change::kMethod);
}

void MethodForm::OnUpdate(DocumentPane*, wxObject* hint) {
  if (!GetDocument() || !IsChange(hint, Change::kMethod)) return;
  const std::int32_t method = Choice().m_method;
  if (method < 0 || method >= kMethodCount) return;
  const std::array<ParameterInfo, 3>& parameters =
      kMethods[static_cast<std::size_t>(method)].parameters;
  m_label1 = parameters[0].label;
  m_label2 = parameters[1].label;
  m_label3 = parameters[2].label;
  m_param1 = parameters[0].value;
  m_param2 = parameters[1].value;
  m_param3 = parameters[2].value;
  CopyParametersToDocument();
  m_methodList->SetSelection(method);
  m_fields.ToControls();
  NameParameters();
}

bool MethodForm::TakeValues() {
  if (!m_fields.FromControls()) return false;
  DeriveBackground();
  CopyParametersToDocument();
  return true;
}

bool MethodForm::TakeParticleValues() { return TakeValues() && CheckParticleValue(); }

void MethodForm::CopyParametersToDocument() {
  MethodChoice& choice = Choice();
  choice.m_param1 = m_param1;
  choice.m_param2 = m_param2;
  choice.m_param3 = m_param3;
}

void MethodForm::NameParameters() {
  for (const Parameter& parameter : m_parameters) {
    LabelControl(*parameter.label, *parameter.edit);
    parameter.edit->SetToolTip(wxString::Format("%s: a whole number from %d to %d.",
                                                LabelName(*parameter.labelText), kMinParameter,
                                                kMaxParameter));
  }
}

}  // namespace kep
