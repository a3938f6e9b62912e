#pragma once

#include <wx/docview.h>

#include "app/pane_view.h"

namespace kep {

class DocumentPane;

// What both document types share. Neither has a file of its own: saving writes an
// empty file, opening a file reads nothing, and closing never asks to save,
// since there is nothing that saving could keep. Each document keeps pointers to
// the panes of its window, which the panes set on their first update.
class KepDocument : public wxDocument {
 public:
  // Names the new document after its type: "KEP1", "PROJECT1", "KEP2", ...
  bool OnNewDocument() override;
  // The file must exist and be readable; nothing is read from it.
  bool OnOpenDocument(const wxString& path) override;
  // Asks for the file through the dialog service, writes it (empty) and adds it
  // to the recent files.
  bool SaveAs() override;
  bool OnSaveModified() override { return true; }

  // Called once the document's first window is complete and its panes have had
  // their first update.
  virtual void OnWindowReady() {}

  // A pane has left (its view or its window is going away): the document's
  // pointers to it move to a pane of the same class in another window on this
  // document, or become null.
  virtual void ForgetPane(const DocumentPane* pane) = 0;

 protected:
  template <class Pane>
  void ReplaceLeavingPane(Pane*& field, const DocumentPane* leaving) {
    if (field == nullptr || static_cast<const DocumentPane*>(field) != leaving) return;
    field = nullptr;
    for (wxView* view : GetViewsVector()) {
      auto* paneView = dynamic_cast<PaneView*>(view);
      if (!paneView || !paneView->Pane()) continue;
      if (auto* other = dynamic_cast<Pane*>(paneView->Pane())) field = other;
    }
  }
};

}  // namespace kep
