#pragma once

#include <functional>

#include <wx/frame.h>

#include "app/table_contents.h"

class wxDocument;

namespace kep {

class TablePane;

// A window of its own beside a document window that lists a table of the
// document in a list with one column per field. A click on a column's title
// sorts the rows by it (numbers by their value), a second click the other way
// round; Copy (Ctrl+C) puts the selected rows, or all of them when none is
// selected, on the clipboard as tab-separated text under the column titles. The
// table follows every change of the document, and the window closes with the
// document window; Esc closes it too.
class TableWindow final : public wxFrame {
 public:
  using Contents = std::function<TableContents(const wxDocument&)>;

  // Brings the document window's table of that name to the front, or opens it;
  // its title is the name and the document's.
  static TableWindow& Show(wxWindow& documentWindow, wxDocument& document, const wxString& name,
                           Contents contents);
  // Whether a window of the document shows its table of that name.
  static bool IsOpen(const wxDocument& document, const wxString& name);

  TablePane& Pane() const { return *m_pane; }

 private:
  TableWindow(wxWindow& documentWindow, const wxString& title);
  void OnClose(wxCloseEvent& event);
  void OnKey(wxKeyEvent& event);

  TablePane* m_pane = nullptr;
};

}  // namespace kep
