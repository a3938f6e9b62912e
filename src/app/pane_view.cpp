#include "app/pane_view.h"

#include "app/document_pane.h"

namespace kep {

PaneView::PaneView(DocumentPane& pane) : m_pane(&pane) {}

PaneView::~PaneView() { DetachPane(); }

void PaneView::DetachPane() {
  DocumentPane* pane = m_pane;
  if (!pane) return;
  m_pane = nullptr;
  pane->m_view = nullptr;
}

bool PaneView::IsPrintable() const { return m_pane && m_pane->IsPrintable(); }

void PaneView::OnDraw(wxDC* dc) {
  if (m_pane && dc) m_pane->PaintForPrinting(*dc);
}

void PaneView::OnUpdate(wxView* sender, wxObject* hint) {
  if (!m_pane) return;
  auto* senderView = dynamic_cast<PaneView*>(sender);
  m_pane->OnUpdate(senderView ? senderView->Pane() : nullptr, hint);
}

wxPrintout* PaneView::OnCreatePrintout() {
  return IsPrintable() ? wxView::OnCreatePrintout() : nullptr;
}

}  // namespace kep
