#include "interactive/kep_view.h"

#include "interactive/kep_doc.h"

namespace kep {

CKEPDoc* CKEPView::GetDocument() const {
  return dynamic_cast<CKEPDoc*>(DocumentPane::GetDocument());
}

void CKEPView::OnInitialUpdate() {
  CanvasPane::OnInitialUpdate();
  SetScrollSizes(100, 100);
}

void CKEPView::OnDraw(DrawContext& dc) {
  if (!m_pImage || m_pImage->Width() == 0 || m_pImage->Height() == 0) return;
  m_pImage->Draw(dc, dc.ClientRect(), {0, 0, m_pImage->Width(), m_pImage->Height()});
}

}  // namespace kep
