#include "interactive/image_r_view.h"

#include "interactive/kep_doc.h"

namespace kep {

void CImageRView::OnInitialUpdate() {
  CKEPView::OnInitialUpdate();
  CKEPDoc* document = GetDocument();
  document->m_pRightView = this;
  m_pImage = &document->m_rightImage;
}

void CImageRView::OnDraw(DrawContext& dc) {
  if (GetDocument()->m_rightPaneMode == kRightPaneImage) CKEPView::OnDraw(dc);
}

}  // namespace kep
