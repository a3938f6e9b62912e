#include "app/form_layout.h"

#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/accessible_label.h"

namespace kep {

namespace {

// Room an edit needs around its text: its frame and inner padding.
constexpr int kEditPadding = 22;

}  // namespace

wxString LabelName(const wxString& label) {
  wxString name = label;
  name.Trim();
  if (name.EndsWith(":")) name.RemoveLast().Trim();
  return name;
}

FormGroup NewFormGroup(wxWindow* form, const wxString& title) {
  auto* outer = new wxStaticBoxSizer(wxVERTICAL, form, title);
  auto* content = new wxBoxSizer(wxVERTICAL);
  outer->Add(content, 1, wxEXPAND | wxALL, kFormGap);
  return {outer->GetStaticBox(), content, outer};
}

wxTextCtrl* AddLabelledEdit(wxWindow* parent, wxSizer& rows, const wxString& label, int digits,
                            wxWindowID editId, wxWindowID labelId, wxStaticText** labelOut) {
  auto* text = new wxStaticText(parent, labelId, label);
  const int width = parent->GetTextExtent(wxString('0', digits)).x + parent->FromDIP(kEditPadding);
  auto* edit = new wxTextCtrl(parent, editId, wxString(), wxDefaultPosition, wxSize(width, -1));
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(text, 1, wxALIGN_CENTRE_VERTICAL | wxRIGHT, kFormGap);
  row->Add(edit);
  rows.Add(row, 0, wxEXPAND | wxBOTTOM, kFormGap / 2);
  LabelControl(*text, *edit);
  if (labelOut != nullptr) *labelOut = text;
  return edit;
}

}  // namespace kep
