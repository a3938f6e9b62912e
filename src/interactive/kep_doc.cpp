#include "interactive/kep_doc.h"

#include "interactive/image_l_view.h"
#include "interactive/image_r_view.h"
#include "interactive/input_form.h"
#include "plot/ui/output_form.h"

namespace kep {

void CKEPDoc::Reset() {
  m_fractalDimension = kNoDimension;
  m_rightPaneMode = kRightPaneImage;
  m_theoryValueText = m_theoryLabelText = m_errorValueText = m_errorLabelText = " ";
  m_loadedImage.Clear();
  m_leftImage.Clear();
  m_rightImage.Clear();
  m_resultSeries.SetSize(0);
}

void CKEPDoc::ForgetPane(const DocumentPane* pane) {
  ReplaceLeavingPane(m_pInputForm, pane);
  ReplaceLeavingPane(m_pResultPanel, pane);
  ReplaceLeavingPane(m_pLeftView, pane);
  ReplaceLeavingPane(m_pRightView, pane);
}

}  // namespace kep
