#include "app/method_fields.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/accessible_label.h"
#include "app/form_layout.h"
#include "fractal/method_table.h"

namespace kep {

namespace {

// The digits of the largest parameter a form takes.
constexpr int kParameterDigits = 5;

}  // namespace

wxChoice* AddMethodControls(wxWindow* parent, wxSizer& rows, const MethodControlIds& ids) {
  auto* label = new wxStaticText(parent, wxID_ANY, "Fractal Dimension (FD) Method :");
  auto* methods = new wxChoice(parent, ids.method);
  // The longest method name needs more than the form's width; the list shows it
  // shortened, and in full when it drops down.
  methods->SetMinSize(wxSize(parent->FromDIP(120), -1));
  LabelControl(*label, *methods);
  rows.Add(label, 0, wxBOTTOM, kFormGap / 2);
  rows.Add(methods, 0, wxEXPAND | wxBOTTOM, kFormGap);
  const std::array<ParameterDefault, 3>& first = kMethods[0].parameters;
  AddLabelledEdit(parent, rows, first[0].label, kParameterDigits, ids.param1, ids.label1);
  AddLabelledEdit(parent, rows, first[1].label, kParameterDigits, ids.param2, ids.label2);
  AddLabelledEdit(parent, rows, first[2].label, kParameterDigits, ids.param3, ids.label3);
  return methods;
}

void SetMethodDefaults(std::int32_t method, const MethodFields& fields) {
  const std::array<ParameterDefault, 3>& parameters =
      kMethods[static_cast<std::size_t>(method)].parameters;
  fields.label1 = parameters[0].label;
  fields.label2 = parameters[1].label;
  fields.label3 = parameters[2].label;
  fields.param1 = parameters[0].value;
  fields.param2 = parameters[1].value;
  fields.param3 = parameters[2].value;
}

void SetStartValues(const MethodFields& fields) {
  SetMethodDefaults(0, fields);
  fields.param1 = 1;
  fields.param2 = 30;
  fields.param3 = 1;
}

}  // namespace kep
