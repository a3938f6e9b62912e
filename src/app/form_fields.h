#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <wx/string.h>

class wxCheckBox;
class wxControl;
class wxTextCtrl;
class wxWindow;

namespace kep {

// The toolkit's standard answers to a value that a form cannot take.
wxString IntegerRangeMessage(std::int32_t min, std::int32_t max);
wxString NumberRangeMessage(double min, double max);
inline constexpr const char* kNotAnIntegerMessage = "Please enter an integer.";
inline constexpr const char* kNotANumberMessage = "Please enter a number.";

// A text as a form field reads it: an integer or a number with blanks around it
// allowed, and nothing else; a value the field cannot hold is not one.
std::optional<std::int32_t> ParseInteger(const wxString& text);
std::optional<double> ParseNumber(const wxString& text);

// A form's values and the controls that show them, exchanged both ways in the
// order they were added. Values are taken from the controls when a command
// needs them: the first text that is not a number, or the first value out of
// range, refuses the exchange with the standard message and the focus on its
// control, and then no field changes, so that nothing runs on a value the
// controls do not show. An edit is also checked when the keyboard leaves it for
// another control of its window, except for a button, whose command checks the
// values itself; typing is never interrupted.
class FormFields {
 public:
  struct IntegerRange {
    std::int32_t min;
    std::int32_t max;
  };

  void AddInteger(wxTextCtrl& control, std::int32_t& field, IntegerRange range);
  void AddNumber(wxTextCtrl& control, double& field, double min, double max);
  // The text of a label or an edit, shown as it is (no mnemonics).
  void AddText(wxControl& control, wxString& field);
  void AddCheck(wxCheckBox& control, bool& field);

  void ToControls() const;
  // False when a value was refused; the message has been shown by then.
  bool FromControls() const;

 private:
  struct Field {
    std::function<void()> show;
    // The message that refuses the control's text, or empty.
    std::function<wxString()> check;
    // Stores the control's value in the field, once every check has passed.
    std::function<void()> take;
    wxWindow* control;
  };

  // Shows the message and puts the keyboard back on the control.
  void Refuse(wxWindow& control, const wxString& message) const;
  void CheckWhenLeft(wxTextCtrl& control, std::function<wxString()> check);

  std::vector<Field> m_fields;
  // The edit the keyboard is being sent back to: leaving another edit for it
  // is no reason to check that one.
  mutable wxWindow* m_refusedControl = nullptr;
};
}  // namespace kep
