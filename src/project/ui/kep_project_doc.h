#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/kep_document.h"
#include "app/method_form.h"
#include "image/image_buffer.h"
#include "project/batch_results.h"
#include "project/batch_run.h"

namespace kep {

// A file of a run that got no line in the report, and why.
struct SkippedFile {
  std::string path;
  std::string reason;
};

// The project document: its image files with the entries selected in their list,
// the run settings that the project form edits, and the results of the last
// batch run, one entry per measured image in file-list order, with how many
// files it measured and which it skipped. It has no file of its own and never
// counts as modified. Edit > Copy copies the file list with the dimensions, File
// > Export Plot writes the dimension plot, View > Skipped Files lists the files
// the last run skipped with their reasons.
class CKepProjectDoc final : public KepDocument, public BatchResults, public MethodChoice {
 public:
  CKepProjectDoc();

  // Inserts the paths after the caret entry (at the start of an empty list), in
  // their order; the last one becomes the caret entry and the only selected one.
  void InsertFiles(const std::vector<std::string>& paths);
  // Removes the selected entries. The entry now where the last removal happened
  // (with nothing selected, the caret entry) becomes the caret entry and the
  // only selected one.
  void RemoveSelectedFiles();
  // The entries the list shows selected, in any order, and its caret entry (-1
  // for none). A list with entries always has one selected: the first, when no
  // other is.
  void SelectFiles(std::vector<int> selected, int caret);
  void SelectOnly(int index);
  // Whether the list holds the path, ignoring case.
  bool HoldsFile(const std::string& path) const;

  // The file the image pane shows: the selected entry with the lowest index;
  // empty for an empty list.
  std::string ImageFile() const;
  // The entry of the results that belongs to the file, or to the caret entry's
  // file, if the last run measured it.
  std::optional<std::size_t> ResultOf(const std::string& file) const;
  std::optional<std::size_t> CaretResult() const;

  // Takes the results of a run over `files` that ran to its end.
  void TakeResults(BatchResults results, const std::vector<std::string>& files,
                   const BatchSummary& summary, std::vector<SkippedFile> skipped);
  // How the last run went: "Files: 10 measured, 2 gave no dimension, 3 skipped".
  wxString StatusText() const override;

  // The project's image files, in report order: paths as the file system's bytes.
  std::vector<std::string> m_files;
  // The selected entries, in increasing order, and the caret entry (the one with
  // the keyboard), -1 for none.
  std::vector<int> m_selectedFiles;
  int m_caretFile = -1;
  // The file of each entry of the results.
  std::vector<std::string> m_resultFiles;
  // The counts of the last run, and the files it skipped; none before a run.
  std::optional<BatchSummary> m_runSummary;
  std::vector<SkippedFile> m_skippedFiles;

  // The image the image pane shows.
  ImageBuffer m_image;

 private:
  void OnCopy(wxCommandEvent& event);
  void OnUpdateCopy(wxUpdateUIEvent& event);
  void OnExportPlot(wxCommandEvent& event);
  void OnUpdateExportPlot(wxUpdateUIEvent& event);
  void OnSkippedFiles(wxCommandEvent& event);
};

}  // namespace kep
