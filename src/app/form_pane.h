#pragma once

#include <functional>
#include <utility>

#include "app/document_pane.h"
#include "app/form_command.h"
#include "app/update_hint.h"

namespace kep {

// A pane laid out like a dialog: controls on the dialog background. A form
// larger than its pane scrolls, and the control that gets the keyboard is
// scrolled into view.
class FormPane : public DocumentPane {
 public:
  bool Create(wxWindow* parent, wxDocument& document, wxWindow& frame) override;

 protected:
  // Runs a command of the form unless a command is running. A command that runs
  // out of memory says so, and the other panes show what it left.
  void RunCommand(const std::function<void()>& command);
  // Tells every pane of the document but this form that the document changed.
  void NotifyOtherPanes(Change change = Change::kContents);
  // The control of the form with the id.
  template <class Control>
  Control& ControlOf(int id) const {
    return *dynamic_cast<Control*>(FindWindow(id));
  }
  // Runs the command, as RunCommand does, when the control sends the event.
  template <typename Event>
  void OnControl(const wxEventTypeTag<Event>& type, int id, std::function<void()> command) {
    Bind(
        type, [this, command = std::move(command)](Event&) { RunCommand(command); }, id);
  }

  // Runs each command of the table when its button is clicked.
  template <class Form>
  void BindCommands(std::span<const FormCommand<Form>> commands) {
    for (const FormCommand<Form>& command : commands) {
      OnControl(wxEVT_BUTTON, command.id,
                [this, run = command.run] { (static_cast<Form*>(this)->*run)(); });
    }
  }

  // The toolkit would scroll the whole group around the control into view, and
  // move a button away under the pointer that is clicking it.
  bool ShouldScrollToChildOnFocus(wxWindow*) override { return false; }

 private:
  void ScrollIntoView(wxWindow& control);
};

}  // namespace kep
