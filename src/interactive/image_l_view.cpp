#include "interactive/image_l_view.h"

#include "interactive/kep_doc.h"

namespace kep {

void CImageLView::OnInitialUpdate() {
  CKEPView::OnInitialUpdate();
  m_pImage = &GetDocument()->m_leftImage;
}

void CImageLView::OnDraw(DrawContext& dc) {
  if (m_pImage->Width() != 0 && m_pImage->Height() != 0) {
    CKEPView::OnDraw(dc);
  } else {
    dc.FillRect(dc.ClientRect(), kWhite);
  }
}

}  // namespace kep
