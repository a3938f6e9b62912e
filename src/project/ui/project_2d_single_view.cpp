#include "project/ui/project_2d_single_view.h"

#include "plot/series_plot.h"
#include "project/ui/kep_project_doc.h"

namespace kep {

void CProject2DSingleView::OnInitialUpdate() {
  ProjectPane::OnInitialUpdate();
  GetDocument()->m_pSingleView = this;
}

void CProject2DSingleView::OnDraw(DrawContext& dc) {
  if (GetDocument()->m_series.empty()) DrawNoSingleImageResult(dc);
}

}  // namespace kep
