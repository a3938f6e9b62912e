#pragma once

class wxStaticText;
class wxWindow;

namespace kep {

// Makes the label the control's name for assistive technology (screen readers
// and accessibility-bus drivers), as a label written right before a field is
// for a sighted user.
void LabelControl(wxStaticText& label, wxWindow& control);

}  // namespace kep
