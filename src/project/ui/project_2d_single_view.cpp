#include "project/ui/project_2d_single_view.h"

#include "plot/series_plot.h"
#include "project/ui/kep_project_doc.h"
#include "project/ui/multi_select_list_box.h"
#include "project/ui/project_input_form.h"

namespace kep {

void CProject2DSingleView::OnInitialUpdate() {
  ProjectPane::OnInitialUpdate();
  GetDocument()->m_pSingleView = this;
}

// The result of the caret entry is the one whose image number is the entry's
// position + 1: the results hold only the measured files.
void CProject2DSingleView::OnDraw(DrawContext& dc) {
  const CKepProjectDoc* document = GetDocument();
  if (document->m_series.empty()) {
    DrawNoSingleImageResult(dc);
    return;
  }
  if (!document->m_pInputForm || document->m_series.size() != document->m_dimensions.size() ||
      document->m_series.size() != document->m_imageNumbers.size()) {
    return;
  }
  const double imageNumber = document->m_pInputForm->m_fileList->GetCaretIndex() + 1;
  for (std::size_t k = 0; k < document->m_imageNumbers.size(); ++k) {
    if (document->m_imageNumbers[k] != imageNumber) continue;
    DrawSingleImagePlot(dc, document->m_series[k], document->m_dimensions[k]);
    return;
  }
}

}  // namespace kep
