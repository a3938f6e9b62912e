#include "project/ui/project_2d_single_view.h"

#include "plot/series_plot.h"
#include "project/ui/kep_project_doc.h"

namespace kep {

// The result of the caret entry is the one the last run measured from the same
// file: the results hold only the measured files, and the list may have changed
// since.
void CProject2DSingleView::OnDraw(DrawContext& dc) {
  const CKepProjectDoc* document = GetDocument();
  if (document->m_series.empty()) {
    DrawNoSingleImageResult(dc);
    return;
  }
  if (const std::optional<std::size_t> result = document->CaretResult()) {
    DrawSingleImagePlot(dc, document->m_series[*result], document->m_dimensions[*result]);
  }
}

}  // namespace kep
