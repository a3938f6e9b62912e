#include "interactive/image_r_view.h"

#include "app/export_commands.h"
#include "interactive/kep_doc.h"
#include "plot/histogram_plot.h"
#include "plot/series_plot.h"

namespace kep {

void CImageRView::OnInitialUpdate() {
  CKEPView::OnInitialUpdate();
  m_pImage = &GetDocument()->m_rightImage;
  OfferExportMenu(*this);
}

void CImageRView::OnDraw(DrawContext& dc) {
  const CKEPDoc* document = GetDocument();
  switch (document->m_rightPaneMode) {
    case kRightPaneImage:
      CKEPView::OnDraw(dc);
      break;
    case kRightPaneHistogram:
      DrawHistogram(dc);
      break;
    case kRightPanePlot:
      DrawSeriesPlot(dc, document->m_resultSeries);
      break;
    default:
      break;
  }
}

// The histogram of the left image, recomputed at every repaint so that it follows
// every change of that image.
void CImageRView::DrawHistogram(DrawContext& dc) const {
  const ImageBuffer& left = GetDocument()->m_leftImage;
  if (!left.IsLoaded()) return;
  ImageBuffer::Histogram counts{};
  left.ComputeHistogram(counts);
  kep::DrawHistogram(dc, counts);
}

}  // namespace kep
