#pragma once

#include <wx/docview.h>

namespace kep {

class DocumentPane;

// The doc/view framework's side of a pane: the document lists it among its views
// and notifies the pane through it. The framework deletes the views when the
// document closes, and the child frame deletes its panes' views when it closes
// on its own; a view whose pane has gone first does nothing until then.
class PaneView final : public wxView {
 public:
  explicit PaneView(DocumentPane& pane);
  ~PaneView() override;

  // The pane, or null once it has gone.
  DocumentPane* Pane() const { return m_pane; }

  // Whether the pane is still there and prints.
  bool IsPrintable() const;

  void OnDraw(wxDC* dc) override;
  void OnUpdate(wxView* sender, wxObject* hint) override;
  // A printout of the pane, or none for panes that do not print.
  wxPrintout* OnCreatePrintout() override;

 private:
  friend class DocumentPane;
  // Breaks the link between pane and view, whichever of them goes first.
  void DetachPane();

  DocumentPane* m_pane;
};

}  // namespace kep
