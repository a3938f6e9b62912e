#include "app/form_fields.h"

#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/dialog_service.h"

namespace kep {

namespace {

// Reads the whole text, blanks around it allowed, whatever the user's locale:
// the decimal separator is always a point.
template <typename Value>
std::optional<Value> ParseWhole(const wxString& text) {
  wxString trimmed = text;
  trimmed.Trim(true).Trim(false);
  if (trimmed.StartsWith("+")) trimmed.erase(0, 1);
  const std::string digits = trimmed.utf8_string();
  Value value{};
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
    return std::nullopt;
  }
  return value;
}

// A double with as many digits as it holds, so 10.0 reads "10".
wxString NumberText(double value) {
  std::array<char, 32> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                    std::chars_format::general, DBL_DIG);
  return wxString(text.data(), static_cast<std::size_t>(result.ptr - text.data()));
}

void ShowText(wxControl& control, const wxString& text) {
  if (auto* edit = dynamic_cast<wxTextCtrl*>(&control)) {
    if (edit->GetValue() != text) edit->ChangeValue(text);
  } else if (control.GetLabelText() != text) {
    control.SetLabelText(text);
  }
}

wxString TextOf(const wxControl& control) {
  if (const auto* edit = dynamic_cast<const wxTextCtrl*>(&control)) return edit->GetValue();
  return control.GetLabelText();
}

}  // namespace

wxString IntegerRangeMessage(std::int32_t min, std::int32_t max) {
  return wxString::Format("Please enter an integer between %d and %d.", min, max);
}

wxString NumberRangeMessage(double min, double max) {
  return "Please enter a number between " + NumberText(min) + " and " + NumberText(max) + ".";
}

std::optional<std::int32_t> ParseInteger(const wxString& text) {
  return ParseWhole<std::int32_t>(text);
}

std::optional<double> ParseNumber(const wxString& text) {
  const std::optional<double> value = ParseWhole<double>(text);
  if (value && !std::isfinite(*value)) return std::nullopt;
  return value;
}

void FormFields::AddInteger(wxTextCtrl& control, std::int32_t& field,
                            std::optional<IntegerRange> range) {
  m_fields.push_back({[&control, &field] { ShowText(control, wxString::Format("%d", field)); },
                      [&control, &field, range]() -> wxString {
                        const std::optional<std::int32_t> value = ParseInteger(control.GetValue());
                        if (!value) return kNotAnIntegerMessage;
                        field = *value;
                        if (range && (field < range->min || field > range->max)) {
                          return IntegerRangeMessage(range->min, range->max);
                        }
                        return {};
                      },
                      &control});
}

void FormFields::AddNumber(wxTextCtrl& control, double& field, double min, double max) {
  m_fields.push_back({[&control, &field] { ShowText(control, NumberText(field)); },
                      [&control, &field, min, max]() -> wxString {
                        const std::optional<double> value = ParseNumber(control.GetValue());
                        if (!value) return kNotANumberMessage;
                        field = *value;
                        if (field < min || field > max) return NumberRangeMessage(min, max);
                        return {};
                      },
                      &control});
}

void FormFields::AddText(wxControl& control, wxString& field) {
  m_fields.push_back({[&control, &field] { ShowText(control, field); },
                      [&control, &field]() -> wxString {
                        field = TextOf(control);
                        return {};
                      },
                      &control});
}

void FormFields::AddCheck(wxCheckBox& control, bool& field) {
  m_fields.push_back({[&control, &field] { control.SetValue(field); },
                      [&control, &field]() -> wxString {
                        field = control.GetValue();
                        return {};
                      },
                      &control});
}

void FormFields::ToControls() const {
  for (const Field& field : m_fields) field.show();
}

bool FormFields::FromControls() const {
  for (const Field& field : m_fields) {
    const wxString message = field.take();
    if (message.empty()) continue;
    Dialogs().ShowMessage(field.control->GetParent(), message);
    field.control->SetFocus();
    return false;
  }
  return true;
}

}  // namespace kep
