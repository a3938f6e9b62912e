// The project form's "Calculate FD": the batch run over the file list. It measures
// with the same pipeline as kep-cli batch, on as many threads, and writes the
// same report. The run goes on a thread of its own while a progress window names
// the file it has reached; cancelled, it leaves the document and the report as
// they were. Afterwards the messages of the files are shown in list order, the
// file list selects the last file measured, and the status bar says how the run
// went.

#include <atomic>
#include <optional>

#include <wx/docview.h>

#include "app/dialog_service.h"
#include "app/file_path.h"
#include "app/long_work.h"
#include "app/pane_view.h"
#include "app/update_hint.h"
#include "project/batch_run.h"
#include "project/ui/kep_project_doc.h"
#include "project/ui/project_input_form.h"

namespace kep {

namespace {

// What a run leaves for the document.
struct ProjectRun {
  BatchResults results;
  BatchSummary summary;
  bool written = false;
  std::vector<SkippedFile> skipped;
  // The system's messages for the files, in list order.
  std::vector<std::string> messages;
  std::optional<int> lastMeasured;
};

// "file 12 of 300: koch.bmp", for the file at that index of the list, with the
// files before it done.
ProgressStep FileStep(std::size_t index, const std::vector<std::string>& files) {
  const std::string name = index < files.size() ? FileNameOf(files[index]) : std::string();
  return {"file " + std::to_string(index + 1) + " of " + std::to_string(files.size()) + ": " + name,
          static_cast<int>(index), static_cast<int>(files.size())};
}

}  // namespace

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
  // The window drawn at once, so that nothing of the dialog stays on the screen.
  if (wxWindow* frame = GetView()->GetFrame()) frame->Update();

  const std::string reportPath = PathBytes(path);
  const std::vector<std::string> files = document->m_files;
  ReportFile report;
  ProjectRun run;
  if (report.Open(reportPath)) {
    RunLongWork(this, "Calculate FD", FileStep(0, files),
                [&](const std::atomic<bool>& stop, ProgressReport& progress) {
                  const auto onFile = [&](std::size_t index, const std::string& file,
                                          const MeasureResult& result) {
                    if (result.failure && !result.failure->message.empty()) {
                      run.messages.push_back(result.failure->message);
                    }
                    if (!SkipsReport(result)) {
                      run.lastMeasured = static_cast<int>(index);
                    } else if (!Cancelled(result.failure)) {
                      run.skipped.push_back({file, result.failure->text});
                    }
                    if (index + 1 < files.size()) progress.Step(FileStep(index + 1, files));
                  };
                  run.written = RunBatch(files, settings, DefaultBatchThreads(), report,
                                         run.results, run.summary, onFile, {.stop = &stop});
                });
    if (run.summary.cancelled) return;
    for (const std::string& message : run.messages) Dialogs().ShowMessage(this, PathText(message));
  }
  if (!run.written) {
    Dialogs().ShowMessage(this, PathText(reportPath + ": " + report.Error()));
    return;
  }
  document->TakeResults(std::move(run.results), files, run.summary, std::move(run.skipped));
  if (run.lastMeasured) document->SelectOnly(*run.lastMeasured);
  NotifyPanes(*document, Change::kContents);
  NotifyPanes(*document, Change::kFileList);
}

}  // namespace kep
