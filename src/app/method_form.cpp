#include "app/method_form.h"

#include <wx/choice.h>
#include <wx/docview.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/accessible_label.h"
#include "app/form_layout.h"
#include "fractal/method_table.h"

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
  auto* label = new wxStaticText(parent, wxID_ANY, "Fractal Dimension (FD) Method :");
  m_methodList = new wxChoice(parent, ids.method);
  // The longest method name needs more than the form's width; the list shows it
  // shortened, and in full when it drops down.
  m_methodList->SetMinSize(wxSize(parent->FromDIP(120), -1));
  LabelControl(*label, *m_methodList);
  rows.Add(label, 0, wxBOTTOM, kFormGap / 2);
  rows.Add(m_methodList, 0, wxEXPAND | wxBOTTOM, kFormGap);
  const std::array<ParameterInfo, 3>& first = kMethods[0].parameters;
  AddLabelledEdit(parent, rows, first[0].label, kParameterDigits, ids.param1, ids.label1);
  AddLabelledEdit(parent, rows, first[1].label, kParameterDigits, ids.param2, ids.label2);
  AddLabelledEdit(parent, rows, first[2].label, kParameterDigits, ids.param3, ids.label3);
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
}

void MethodForm::OnUpdate(DocumentPane*, wxObject*) {
  if (!GetDocument()) return;
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
  m_fields.ToControls();
}

bool MethodForm::TakeValues() {
  if (!m_fields.FromControls()) return false;
  if (m_particleBrightness == 0) m_background = 255;
  if (m_particleBrightness == 255) m_background = 0;
  CopyParametersToDocument();
  const int method = m_methodList->GetSelection();
  if (method != wxNOT_FOUND && method != Choice().m_method) {
    Choice().m_method = method;
    GetDocument()->UpdateAllViews();
  }
  return true;
}

void MethodForm::CopyParametersToDocument() {
  MethodChoice& choice = Choice();
  choice.m_param1 = m_param1;
  choice.m_param2 = m_param2;
  choice.m_param3 = m_param3;
}

}  // namespace kep
