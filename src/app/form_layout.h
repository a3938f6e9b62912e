#pragma once

#include <wx/string.h>
#include <wx/window.h>

class wxSizer;
class wxStaticText;
class wxTextCtrl;

namespace kep {

// The gap between the controls of a form, in pixels.
inline constexpr int kFormGap = 6;

// Adds a row to a vertical sizer: a label, and right of it an edit wide enough for
// the given number of digits, at the row's right end. The label names the edit
// for assistive technology too. The label is returned through `labelOut` if
// asked.
wxTextCtrl* AddLabelledEdit(wxWindow* parent, wxSizer& rows, const wxString& label, int digits,
                            wxWindowID editId, wxWindowID labelId = wxID_ANY,
                            wxStaticText** labelOut = nullptr);

}  // namespace kep
