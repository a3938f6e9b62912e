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
// order they were added. Taking values from the controls stores each number in
// its field and then tests its range; the first text that is not a number, or
// the first value out of range, stops the exchange with the standard message and
// the focus on its control. That field keeps what was typed (or, for a text that
// is not a number, its old value); the later fields keep their old values.
class FormFields {
 public:
  struct IntegerRange {
    std::int32_t min;
    std::int32_t max;
  };

  // An integer field; without a range any integer is taken.
  void AddInteger(wxTextCtrl& control, std::int32_t& field,
                  std::optional<IntegerRange> range = std::nullopt);
  void AddNumber(wxTextCtrl& control, double& field, double min, double max);
  // The text of a label or an edit, shown as it is (no mnemonics).
  void AddText(wxControl& control, wxString& field);
  void AddCheck(wxCheckBox& control, bool& field);

  void ToControls() const;
  // False when the exchange stopped; the message has been shown by then.
  bool FromControls() const;

 private:
  struct Field {
    std::function<void()> show;
    // The message that stops the exchange, or empty when the value was taken.
    std::function<wxString()> take;
    wxWindow* control;
  };
  std::vector<Field> m_fields;
};

}  // namespace kep
