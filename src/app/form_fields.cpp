#include "app/form_fields.h"

#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

#include <wx/anybutton.h>
#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

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

void FormFields::AddInteger(wxTextCtrl& control, std::int32_t& field, IntegerRange range) {
  auto check = [&control, range]() -> wxString {
    const std::optional<std::int32_t> value = ParseInteger(control.GetValue());
    if (!value) return kNotAnIntegerMessage;
    if (*value < range.min || *value > range.max) return IntegerRangeMessage(range.min, range.max);
    return {};
  };
  CheckWhenLeft(control, check);
  m_fields.push_back({[&control, &field] { ShowText(control, wxString::Format("%d", field)); },
                      check, [&control, &field] { field = *ParseInteger(control.GetValue()); },
                      &control});
}

void FormFields::AddNumber(wxTextCtrl& control, double& field, double min, double max) {
  auto check = [&control, min, max]() -> wxString {
    const std::optional<double> value = ParseNumber(control.GetValue());
    if (!value) return kNotANumberMessage;
    if (*value < min || *value > max) return NumberRangeMessage(min, max);
    return {};
  };
  CheckWhenLeft(control, check);
  m_fields.push_back({[&control, &field] { ShowText(control, NumberText(field)); }, check,
                      [&control, &field] { field = *ParseNumber(control.GetValue()); }, &control});
}

void FormFields::AddText(wxControl& control, wxString& field) {
  m_fields.push_back({[&control, &field] { ShowText(control, field); }, [] { return wxString(); },
                      [&control, &field] { field = TextOf(control); }, &control});
}

void FormFields::AddCheck(wxCheckBox& control, bool& field) {
  m_fields.push_back({[&control, &field] { control.SetValue(field); }, [] { return wxString(); },
                      [&control, &field] { field = control.GetValue(); }, &control});
}

void FormFields::ToControls() const {
  for (const Field& field : m_fields) field.show();
}

bool FormFields::FromControls() const {
  for (const Field& field : m_fields) {
    const wxString message = field.check();
    if (message.empty()) continue;
    Refuse(*field.control, message);
    return false;
  }
  for (const Field& field : m_fields) field.take();
  return true;
}

void FormFields::Refuse(wxWindow& control, const wxString& message) const {
  m_refusedControl = &control;
  Dialogs().ShowMessage(control.GetParent(), message);
  control.SetFocus();
}

// The check waits until the keyboard has arrived where it went, so that the
// message does not interrupt the toolkit's move of the focus, and so that it
// knows where that is.
void FormFields::CheckWhenLeft(wxTextCtrl& control, std::function<wxString()> check) {
  control.Bind(wxEVT_KILL_FOCUS, [this, &control, check = std::move(check)](wxFocusEvent& event) {
    event.Skip();
    control.CallAfter([this, &control, check] {
      wxWindow* next = wxWindow::FindFocus();
      const bool backToRefused = next != nullptr && next == m_refusedControl;
      if (&control == m_refusedControl) m_refusedControl = nullptr;
      if (next == nullptr || next == &control || backToRefused ||
          dynamic_cast<wxAnyButton*>(next) != nullptr ||
          wxGetTopLevelParent(next) != wxGetTopLevelParent(&control)) {
        return;
      }
      const wxString message = check();
      if (!message.empty()) Refuse(control, message);
    });
  });
}

}  // namespace kep
