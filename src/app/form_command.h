#pragma once

#include <span>

#include <wx/button.h>

namespace kep {

// One row of a form's command table: the button's id, its text, the tooltip that
// says what it does, where the form places it (in the form's own terms), and the
// member function it runs. A new button is a new row and its function.
template <class Form>
struct FormCommand {
  int id;
  const char* label;
  const char* tooltip;
  int place;
  void (Form::*run)();
};

// Makes the buttons of the table that go to `place`, as children of `parent`,
// and hands each to `add`.
template <class Form, class Add>
void AddCommandButtons(std::span<const FormCommand<Form>> commands, int place, wxWindow* parent,
                       Add add) {
  for (const FormCommand<Form>& command : commands) {
    if (command.place != place) continue;
    auto* button = new wxButton(parent, command.id, command.label);
    button->SetToolTip(command.tooltip);
    add(button);
  }
}

}  // namespace kep
