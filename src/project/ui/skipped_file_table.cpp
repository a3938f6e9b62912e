#include "project/ui/skipped_file_table.h"

#include "app/file_path.h"
#include "project/ui/kep_project_doc.h"

namespace kep {

TableContents SkippedFileTable(const CKepProjectDoc& document) {
  TableContents table;
  table.columns = {"File", "Reason"};
  for (const SkippedFile& file : document.m_skippedFiles) {
    table.rows.push_back({PathText(file.path), PathText(file.reason)});
  }
  if (!document.m_runSummary) {
    table.caption = "No run yet.";
  } else {
    table.caption = wxString::Format(
        "The last run skipped %d of its files: they have no line in "
        "its report.",
        static_cast<int>(table.rows.size()));
  }
  return table;
}

}  // namespace kep
