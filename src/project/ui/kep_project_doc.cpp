#include "project/ui/kep_project_doc.h"

#include <algorithm>

#include "app/export_commands.h"
#include "app/file_path.h"
#include "app/table_window.h"
#include "plot/dimension_plot.h"
#include "project/report_format.h"
#include "project/ui/directory_listing.h"
#include "project/ui/skipped_file_table.h"
#include "resources/command_ids.h"

namespace kep {

CKepProjectDoc::CKepProjectDoc() {
  Bind(wxEVT_MENU, &CKepProjectDoc::OnCopy, this, wxID_COPY);
  Bind(wxEVT_UPDATE_UI, &CKepProjectDoc::OnUpdateCopy, this, wxID_COPY);
  Bind(wxEVT_MENU, &CKepProjectDoc::OnExportPlot, this, kIdExportPlot);
  Bind(wxEVT_UPDATE_UI, &CKepProjectDoc::OnUpdateExportPlot, this, kIdExportPlot);
  Bind(wxEVT_MENU, &CKepProjectDoc::OnSkippedFiles, this, kIdSkippedFiles);
  Bind(
      wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(m_runSummary.has_value()); },
      kIdSkippedFiles);
}

void CKepProjectDoc::InsertFiles(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  const int at = m_files.empty() ? 0 : m_caretFile + 1;
  m_files.insert(m_files.begin() + at, paths.begin(), paths.end());
  SelectOnly(at + static_cast<int>(paths.size()) - 1);
}

void CKepProjectDoc::RemoveSelectedFiles() {
  const std::vector<int> selected = m_selectedFiles;
  for (auto index = selected.rbegin(); index != selected.rend(); ++index) {
    m_files.erase(m_files.begin() + *index);
  }
  if (m_files.empty()) {
    SelectFiles({}, -1);
    return;
  }
  const int removedAt =
      selected.empty() ? m_caretFile : selected.back() - static_cast<int>(selected.size()) + 1;
  SelectOnly(std::clamp(removedAt, 0, static_cast<int>(m_files.size()) - 1));
}

void CKepProjectDoc::SelectFiles(std::vector<int> selected, int caret) {
  const int count = static_cast<int>(m_files.size());
  std::erase_if(selected, [count](int index) { return index < 0 || index >= count; });
  std::sort(selected.begin(), selected.end());
  selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
  if (selected.empty() && count > 0) selected.push_back(0);
  m_selectedFiles = std::move(selected);
  m_caretFile = caret >= 0 && caret < count ? caret : (count > 0 ? m_selectedFiles.front() : -1);
}

void CKepProjectDoc::SelectOnly(int index) { SelectFiles({index}, index); }

bool CKepProjectDoc::HoldsFile(const std::string& path) const {
  return std::any_of(m_files.begin(), m_files.end(),
                     [&path](const std::string& file) { return EqualIgnoringCase(file, path); });
}

std::string CKepProjectDoc::ImageFile() const {
  return m_selectedFiles.empty() ? std::string()
                                 : m_files[static_cast<std::size_t>(m_selectedFiles.front())];
}

std::optional<std::size_t> CKepProjectDoc::ResultOf(const std::string& file) const {
  const auto found = std::find(m_resultFiles.begin(), m_resultFiles.end(), file);
  if (found == m_resultFiles.end()) return std::nullopt;
  return static_cast<std::size_t>(found - m_resultFiles.begin());
}

std::optional<std::size_t> CKepProjectDoc::CaretResult() const {
  if (m_caretFile < 0) return std::nullopt;
  return ResultOf(m_files[static_cast<std::size_t>(m_caretFile)]);
}

void CKepProjectDoc::TakeResults(BatchResults results, const std::vector<std::string>& files,
                                 const BatchSummary& summary, std::vector<SkippedFile> skipped) {
  static_cast<BatchResults&>(*this) = std::move(results);
  m_resultFiles.clear();
  for (double imageNumber : m_imageNumbers) {
    m_resultFiles.push_back(files[static_cast<std::size_t>(imageNumber) - 1]);
  }
  m_runSummary = summary;
  m_skippedFiles = std::move(skipped);
}

wxString CKepProjectDoc::StatusText() const {
  if (!m_runSummary) return {};
  const BatchSummary& run = *m_runSummary;
  wxString text = wxString::Format("Files: %d measured, %d gave no dimension, %d skipped",
                                   static_cast<int>(run.measured), static_cast<int>(run.failed),
                                   static_cast<int>(run.skipped));
  return run.skipped > 0 ? text + " (View > Skipped Files)" : text;
}

// Each file of the list with the dimension of the last run, as the report
// writes it; a file that run did not measure has none.
void CKepProjectDoc::OnCopy(wxCommandEvent&) {
  std::string text = "Image File Name\tFractal Dimension\n";
  for (const std::string& file : m_files) {
    const std::optional<std::size_t> result = ResultOf(file);
    text += result ? ReportLine(file, m_dimensions[*result]) : file + "\t\n";
  }
  CopyText(PathText(text));
}

void CKepProjectDoc::OnUpdateCopy(wxUpdateUIEvent& event) { event.Enable(!m_files.empty()); }

void CKepProjectDoc::OnExportPlot(wxCommandEvent&) {
  ExportPlot(GetDocumentWindow(),
             [this](DrawContext& dc) { DrawDimensionPlot(dc, m_imageNumbers, m_dimensions); });
}

void CKepProjectDoc::OnUpdateExportPlot(wxUpdateUIEvent& event) { event.Enable(Count() > 0); }

void CKepProjectDoc::OnSkippedFiles(wxCommandEvent&) {
  TableWindow::Show(*GetDocumentWindow(), *this, "Skipped Files", [](const wxDocument& document) {
    return SkippedFileTable(dynamic_cast<const CKepProjectDoc&>(document));
  });
}

}  // namespace kep
