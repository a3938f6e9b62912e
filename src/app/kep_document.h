#pragma once

#include <wx/docview.h>

namespace kep {

// What both document types share. Neither has a file of its own: saving writes an
// empty file, opening a file reads nothing, and closing never asks to save,
// since there is nothing that saving could keep. A document knows its panes
// only as the views the toolkit notifies.
class KepDocument : public wxDocument {
 public:
  // Names the new document after its type: "KEP1", "PROJECT1", "KEP2", ...
  bool OnNewDocument() override;
  // The file must exist and be readable, or a message says why; nothing is read
  // from it.
  bool OnOpenDocument(const wxString& path) override;
  // Asks for the file through the dialog service, writes it (empty) and adds it
  // to the recent files.
  bool SaveAs() override;
  bool OnSaveModified() override { return true; }

  // Called once the document's first window is complete and its panes have had
  // their first update.
  virtual void OnWindowReady() {}

  // What the main window's status bar says while one of the document's windows
  // is in front: how its last command went, where the panes do not say.
  virtual wxString StatusText() const { return {}; }
};

}  // namespace kep
