#include "project/ui/project_2d_output_view.h"

#include "plot/dimension_plot.h"
#include "project/ui/kep_project_doc.h"

namespace kep {

void CProject2DOutputView::OnDraw(DrawContext& dc) {
  const CKepProjectDoc* document = GetDocument();
  DrawDimensionPlot(dc, document->m_imageNumbers, document->m_dimensions);
}

}  // namespace kep
