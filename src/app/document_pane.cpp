#include "app/document_pane.h"

#include "app/pane_view.h"

namespace kep {

DocumentPane::~DocumentPane() {
  // The view stays with the document, which may be in the middle of deleting its
  // views; whoever deletes the views deletes this one too.
  if (m_view) m_view->DetachPane();
}

bool DocumentPane::Create(wxWindow* parent, wxDocument& document, wxWindow& frame) {
  if (!wxScrolledWindow::Create(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                wxHSCROLL | wxVSCROLL | wxBORDER_NONE | wxTAB_TRAVERSAL)) {
    return false;
  }
  m_view = new PaneView(*this);
  m_view->SetFrame(&frame);
  m_view->SetDocument(&document);
  return true;
}

wxDocument* DocumentPane::GetDocument() const { return m_view ? m_view->GetDocument() : nullptr; }

void DocumentPane::OnInitialUpdate() { OnUpdate(nullptr, nullptr); }

void DocumentPane::OnUpdate(DocumentPane*, wxObject*) {}

void DocumentPane::PaintForPrinting(wxDC&) {}

}  // namespace kep
