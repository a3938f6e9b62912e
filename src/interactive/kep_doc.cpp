#include "interactive/kep_doc.h"

#include "app/busy_scope.h"
#include "app/dialog_service.h"
#include "app/export_commands.h"
#include "app/file_path.h"
#include "app/update_hint.h"
#include "image/image_file.h"
#include "project/image_reading.h"

namespace kep {

CKEPDoc::CKEPDoc() {
  const std::pair<int, void (CKEPDoc::*)()> commands[] = {
      {wxID_COPY, &CKEPDoc::OnCopy},
      {kIdExportPlot, &CKEPDoc::OnExportPlot},
      {kIdExportPoints, &CKEPDoc::OnExportPoints}};
  for (const auto& [id, command] : commands) {
    Bind(
        wxEVT_MENU, [this, command = command](wxCommandEvent&) { (this->*command)(); }, id);
    Bind(
        wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(HasResult()); }, id);
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
