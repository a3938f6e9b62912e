#pragma once

#include <wx/string.h>

class wxStaticText;
class wxWindow;

namespace kep {

// Makes the label the control's name for assistive technology (screen readers
// and accessibility-bus drivers), as a label written right before a field is
// for a sighted user. Called again when the label's text changes.
void LabelControl(wxStaticText& label, wxWindow& control);

// Gives a control without a label of its own its name and a description for
// assistive technology.
void NameControl(wxWindow& control, const wxString& name, const wxString& description);

}  // namespace kep
