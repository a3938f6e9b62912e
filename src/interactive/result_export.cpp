// The interactive document's result, carried out of the program: copied, its
// plot written as kep-cli plot writes it, its points written as a table.

#include "app/export_commands.h"
#include "interactive/kep_doc.h"
#include "interactive/result_text.h"
#include "plot/series_plot.h"

namespace kep {

void CKEPDoc::OnCopy() {
  CopyText(ResultClipboardText(m_resultSource, m_fractalDimension, m_resultSeries));
}

void CKEPDoc::OnExportPlot() {
  ExportPlot(GetDocumentWindow(), [this](DrawContext& dc) {
    if (DrawSeriesPlot(dc, m_resultSeries)) DrawDimensionCaption(dc, m_fractalDimension);
  });
}

void CKEPDoc::OnExportPoints() {
  ExportCsv(GetDocumentWindow(), PointsCsv(m_resultSource.method, m_resultSeries));
}

}  // namespace kep
