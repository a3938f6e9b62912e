#pragma once

#include <wx/scrolwin.h>

class wxDocument;
class wxObject;

namespace kep {

class PaneView;

// One of the four windows of a document's child frame: what the doc/view
// framework calls a view. The pane is the window; its PaneView connects it to
// the document, which notifies its panes through it after every change. The
// pane does not own its view (see PaneView).
class DocumentPane : public wxScrolledWindow {
 public:
  DocumentPane() = default;
  ~DocumentPane() override;

  // Makes the window inside `parent` and joins the document; `frame` is the child
  // frame the pane belongs to.
  virtual bool Create(wxWindow* parent, wxDocument& document, wxWindow& frame);

  wxDocument* GetDocument() const;
  PaneView* GetView() const { return m_view; }

  // Called once, after the document has been created or opened. The default gives
  // the pane its first update.
  virtual void OnInitialUpdate();
  // Called after the document changed; `sender` is the pane that changed it, if
  // any. The default does nothing.
  virtual void OnUpdate(DocumentPane* sender, wxObject* hint);

  // Whether Print and Print Preview print this pane.
  virtual bool IsPrintable() const { return false; }
  // Paints what the pane shows on a printer's page.
  virtual void PaintForPrinting(wxDC& dc);

 private:
  friend class PaneView;
  PaneView* m_view = nullptr;
};

}  // namespace kep
