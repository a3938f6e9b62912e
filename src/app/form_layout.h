#pragma once

#include <wx/string.h>
#include <wx/window.h>

class wxSizer;
class wxStaticBox;
class wxStaticText;
class wxTextCtrl;

namespace kep {

// The gap between the controls of a form, in pixels.
inline constexpr int kFormGap = 6;

// A group box on a form whose controls keep a gap from its frame: they are made
// as children of `box` and added to `content`; `outer` goes into the form's sizer.
struct FormGroup {
  wxStaticBox* box;
  wxSizer* content;
  wxSizer* outer;
};
FormGroup NewFormGroup(wxWindow* form, const wxString& title);

// What a label names, without the colon that ends it: "From Radius" for
// "From Radius :".
wxString LabelName(const wxString& label);

// Adds a row to a vertical sizer: a label, and right of it an edit wide enough for
// the given number of digits, at the row's right end. The label names the edit
// for assistive technology too. The label is returned through `labelOut` if
// asked.
wxTextCtrl* AddLabelledEdit(wxWindow* parent, wxSizer& rows, const wxString& label, int digits,
                            wxWindowID editId, wxWindowID labelId = wxID_ANY,
                            wxStaticText** labelOut = nullptr);

}  // namespace kep
