// The interactive document's tables: the particles of the image the last
// calculation measured, and the local dimensions of its fit. The particles are
// measured when first asked for, on a thread of their own.

#include "interactive/result_tables.h"

#include <atomic>
#include <cmath>

#include "app/dialog_service.h"
#include "app/file_path.h"
#include "app/long_work.h"
#include "app/table_window.h"
#include "fractal/method_table.h"
#include "interactive/kep_doc.h"
#include "plot/ui/column_headings.h"
#include "project/particle_columns.h"
#include "project/particle_measurement.h"
#include "project/round_trip_number.h"

namespace kep {

namespace {

constexpr const char* kNoCalculation =
    "No result: after Calculate FD the particles of the measured image are listed here.";
constexpr const char* kNotMeasured =
    "The particles of this result have not been measured: choose Window > Particles.";
constexpr const char* kNoLocalDimensions = "No result: Calculate FD first.";

// What the result was measured with: "koch.bmp, Box-Counting (8, 30, 1),
// particle brightness 255".
wxString SourceText(const ResultSource& source) {
  const wxString file = source.file.empty() ? wxString("the left image")
                                            : PathText(FileNameOf(PathBytes(source.file)));
  return wxString::Format("%s, %s (%d, %d, %d), particle brightness %d", file,
                          kMethods[static_cast<std::size_t>(source.method)].listText,
                          source.params[0], source.params[1], source.params[2],
                          source.particleBrightness);
}

}  // namespace

TableContents ParticleTable(const CKEPDoc& document) {
  TableContents table;
  for (const char* column : kParticleColumns) table.columns.emplace_back(column);
  if (!document.HasCalculation()) {
    table.caption = kNoCalculation;
    return table;
  }
  if (!document.m_particles) {
    table.caption = kNotMeasured;
    return table;
  }
  for (const ParticleMeasurement& particle : *document.m_particles) {
    std::vector<wxString>& row = table.rows.emplace_back();
    for (const std::string& cell : ParticleCells(particle)) row.push_back(wxString::FromUTF8(cell));
  }
  table.caption = wxString::Format("%d particles, each measured on its own: ",
                                   static_cast<int>(document.m_particles->size())) +
                  SourceText(document.m_resultSource);
  return table;
}

TableContents LocalDimensionTable(const CKEPDoc& document) {
  const AxisHeadings headings = HeadingsOf(document.m_resultSource.method);
  TableContents table;
  table.columns = {wxString("From ") + headings.x, wxString("To ") + headings.x, "Local Dimension"};
  if (document.ResultDimension() < 0.0) {
    table.caption = kNoLocalDimensions;
    return table;
  }
  for (const LocalDimension& local : document.m_localDimensions) {
    // Two points with the same x give no local dimension.
    const std::string dimension =
        std::isnan(local.dimension) ? std::string() : RoundTripNumber(local.dimension);
    table.rows.push_back({wxString::Format("%d", local.fromX), wxString::Format("%d", local.toX),
                          wxString::FromUTF8(dimension)});
  }
  table.caption = "The dimension between each two consecutive points of the fit: " +
                  SourceText(document.m_resultSource);
  return table;
}

void CKEPDoc::OnParticles() {
  if (!m_particles) {
    std::optional<Outcome<std::vector<ParticleMeasurement>>> measured;
    const MeasureSettings settings{.method = static_cast<std::uint32_t>(m_resultSource.method),
                                   .params = m_resultSource.params,
                                   .particle = m_resultSource.particleBrightness};
    const std::shared_ptr<const ImageBuffer> image = m_resultSource.image;
    RunLongWork(GetDocumentWindow(), "Particles",
                {"Measuring each particle of " + FileNameOf(PathBytes(m_resultSource.file))},
                [&](const std::atomic<bool>& stop, ProgressReport&) {
                  MeasureWorkspace workspace;
                  measured = MeasureParticles(workspace, *image, settings, &stop);
                });
    if (!measured->Ok()) {
      if (!Cancelled(measured->Error())) {
        Dialogs().ShowMessage(GetDocumentWindow(), wxString::FromUTF8(measured->Error().text));
      }
      return;
    }
    m_particles = std::move(measured->Value());
    NotifyPanes(*this, Change::kContents);
  }
  TableWindow::Show(*GetDocumentWindow(), *this, kParticlesTable, [](const wxDocument& document) {
    return ParticleTable(dynamic_cast<const CKEPDoc&>(document));
  });
}

void CKEPDoc::OnLocalDimensions() {
  TableWindow::Show(*GetDocumentWindow(), *this, kLocalDimensionsTable,
                    [](const wxDocument& document) {
                      return LocalDimensionTable(dynamic_cast<const CKEPDoc&>(document));
                    });
}

}  // namespace kep
