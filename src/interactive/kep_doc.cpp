#include "interactive/kep_doc.h"

#include "app/busy_scope.h"
#include "app/dialog_service.h"
#include "app/export_commands.h"
#include "app/file_path.h"
#include "app/update_hint.h"
#include "image/image_file.h"
#include "project/image_reading.h"
#include "resources/command_ids.h"

namespace kep {

namespace {

// A command of the document, and what it needs to be enabled.
struct DocumentCommand {
  int id;
  void (CKEPDoc::*run)();
  bool (CKEPDoc::*enabled)() const;
};

}  // namespace

CKEPDoc::CKEPDoc() {
  const DocumentCommand commands[] = {
      {wxID_COPY, &CKEPDoc::OnCopy, &CKEPDoc::HasResult},
      {kIdExportPlot, &CKEPDoc::OnExportPlot, &CKEPDoc::HasResult},
      {kIdExportPoints, &CKEPDoc::OnExportPoints, &CKEPDoc::HasResult},
      {kIdParticles, &CKEPDoc::OnParticles, &CKEPDoc::HasCalculation},
      {kIdLocalDimensions, &CKEPDoc::OnLocalDimensions, &CKEPDoc::HasResult}};
  for (const DocumentCommand& command : commands) {
    Bind(
        wxEVT_MENU, [this, run = command.run](wxCommandEvent&) { (this->*run)(); }, command.id);
    Bind(
        wxEVT_UPDATE_UI,
        [this, enabled = command.enabled](wxUpdateUIEvent& event) {
          event.Enable((this->*enabled)());
        },
        command.id);
  }
}

void CKEPDoc::Reset() {
  m_loadedFile.clear();
  m_rightPaneMode = kRightPaneImage;
  m_theoryValueText = m_theoryLabelText = m_errorValueText = m_errorLabelText = " ";
  m_loadedImage.Clear();
  m_leftImage.Clear();
  m_rightImage.Clear();
  ClearResult();
}

void CKEPDoc::ClearResult() {
  m_fractalDimension = kNoDimension;
  m_resultSeries.SetSize(0);
  m_resultSource = ResultSource();
  m_interval.reset();
  m_localDimensions.clear();
  m_resultFailure.reset();
  m_particles.reset();
}

void CKEPDoc::TakeCalculation(MeasureResult result, ResultSource source, bool withParticles) {
  ClearResult();
  m_resultSource = std::move(source);
  if (withParticles) m_particles = std::move(result.eachParticle);
  if (!result.HasDimension()) {
    m_resultFailure = std::move(result.failure);
    return;
  }
  m_fractalDimension = result.dimension;
  m_interval = DimensionInterval{result.Ci95Low(), result.Ci95High(), result.fit->pointCount};
  // Each local dimension lies between two consecutive points of the fit.
  std::vector<std::int32_t> fitted;
  for (const SeriesPoint& point : result.points) {
    if (EntersFit(point)) fitted.push_back(point.x);
  }
  for (std::size_t i = 0; i < result.localDimensions.size() && i + 1 < fitted.size(); ++i) {
    m_localDimensions.push_back({fitted[i], fitted[i + 1], result.localDimensions[i]});
  }
  m_resultSeries = std::move(result.points);
  m_rightImage.CopyFrom(*result.outline);
}

wxString CKEPDoc::StatusText() const {
  if (!m_resultFailure) return {};
  return "no dimension: " + wxString::FromUTF8(m_resultFailure->text);
}

// The document is reset before the extension is looked at. A file the reader
// refuses leaves the three images as the reader left them.
void CKEPDoc::OpenImage(const wxString& path) {
  Modify(true);
  Reset();
  ImageRead read;
  {
    BusyScope busy;
    read = ReadImage(PathBytes(path), m_loadedImage);
    m_leftImage.CopyFrom(m_loadedImage);
    m_rightImage.CopyFrom(m_loadedImage);
  }
  if (read.Loaded()) {
    m_loadedFile = path;
  } else {
    Dialogs().ShowMessage(GetDocumentWindow(), PathText(read.Message(PathBytes(path))));
  }
  NotifyPanes(*this, Change::kLoadedFile);
}

bool CKEPDoc::OnOpenDocument(const wxString& path) {
  if (FormatForPath(PathBytes(path)) == ImageFileFormat::kNone) {
    return KepDocument::OnOpenDocument(path);
  }
  // A file that cannot be read is said so by the loading, in the window.
  if (!OnNewDocument()) return false;
  m_imageToLoad = path;
  return true;
}

// Once the program has started, so that a message about the file has the main
// window behind it.
void CKEPDoc::OnWindowReady() {
  if (m_imageToLoad.empty()) return;
  CallAfter([this, path = m_imageToLoad] { OpenImage(path); });
  m_imageToLoad.clear();
}

}  // namespace kep
