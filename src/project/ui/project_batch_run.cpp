// The project form's "Calculate FD": the batch run over the file list. It measures
// with the same pipeline as kep-cli batch, on as many threads, and writes the
// same report; the messages of each file are shown in list order, and the file
// list's selection follows the files as they are measured. Meanwhile the windows
// are repainted, and a request to close one is refused.

#include <wx/docview.h>

#include "app/busy_scope.h"
#include "app/dialog_service.h"
#include "app/file_path.h"
#include "app/pane_view.h"
#include "app/update_hint.h"
#include "project/batch_run.h"
#include "project/ui/kep_project_doc.h"
#include "project/ui/multi_select_list_box.h"
#include "project/ui/project_input_form.h"

namespace kep {

// A report that cannot be written is named with the reason, and the results of
// the previous run stay as they were. The parameters stay as typed.
void CProjectInputForm::OnCalculateFD() {
  if (!TakeValues()) return;
  CKepProjectDoc* document = GetDocument();
  const MeasureSettings settings{
      .method = static_cast<std::uint32_t>(document->m_method),
      .params = {document->m_param1, document->m_param2, document->m_param3},
      .particle = m_particleBrightness,
      .preprocess = Preprocessing()};

  const wxString path = Dialogs().AskSavePath(this, wxString(), kReportFilter);
  if (path.empty()) return;
  // The window drawn at once, so that nothing of the dialog stays on the screen
  // while the run keeps the program busy.
  if (wxWindow* frame = GetView()->GetFrame()) frame->Update();
  BusyScope busy(BusyScope::Painting::kKept);

  const std::string reportPath = PathBytes(path);
  const std::vector<std::string> files = document->m_files;
  ReportFile report;
  BatchResults results;
  BatchSummary summary;
  const bool written = report.Open(reportPath) &&
                       RunBatch(files, settings, DefaultBatchThreads(), report, results, summary,
                                [this, document](std::size_t index, const std::string&,
                                                 const MeasureResult& result) {
                                  if (result.failure && !result.failure->message.empty()) {
                                    Dialogs().ShowMessage(this, PathText(result.failure->message));
                                  }
                                  if (!SkipsReport(result)) {
                                    document->SelectOnly(static_cast<int>(index));
                                    m_fileList->SelectOnly(static_cast<int>(index));
                                  }
                                  BusyScope::PaintNow();
                                });
  if (written) {
    document->TakeResults(std::move(results), files);
  } else {
    Dialogs().ShowMessage(this, PathText(reportPath + ": " + report.Error()));
  }
  NotifyPanes(*document, Change::kContents);
}

}  // namespace kep
