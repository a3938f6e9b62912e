#pragma once

#include <wx/object.h>

class wxDocument;
class wxView;

namespace kep {

// What a command changed in its document, sent along with the document's change
// notification, so that a pane that shows only part of the document can tell
// whether it concerns it. A notification without a hint may concern any pane.
enum class Change {
  kMethod,      // the chosen method: the forms show its labels and defaults
  kLoadedFile,  // the file whose image a window analyses
  kFileList,    // a project's files, or which of them are selected
  kContents,    // images or results: the panes that draw them redraw
};

class UpdateHint final : public wxObject {
 public:
  explicit UpdateHint(Change change) : m_change(change) {}
  Change What() const { return m_change; }

 private:
  Change m_change;
};

// Whether the notification's hint names this change.
bool IsChange(const wxObject* hint, Change change);

// Tells every pane of the document but the one of `except` (if given).
void NotifyPanes(wxDocument& document, Change change, wxView* except = nullptr);

}  // namespace kep
