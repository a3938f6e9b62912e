// kep_desktop_bench TABLE KEP-CLI: times the desktop program's commands, from the
// click to the last pane drawn: those of an interactive window on the 4096-pixel
// Koch snowflake, and a repaint of a pane showing the whole image stretched; a
// project's batch run over 64 pictures of 1024 pixels beside kep-cli batch over
// the same files on as many threads; and the redrawing after another file of a
// list of 1000 is selected. Writes a Markdown table. Runs the real program
// objects, so it needs a display (scripts/bench.sh gives it a virtual one). Each
// time is the fastest of five runs.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/choice.h>
#include <wx/evtloop.h>
#include <wx/init.h>

#include "app/dialog_service.h"
#include "app/document_pane.h"
#include "app/four_pane_frame.h"
#include "app/kep_app.h"
#include "app/kep_doc_manager.h"
#include "app/main_frame.h"
#include "app/progress_window.h"
#include "app/update_hint.h"
#include "shapes/fractal_shapes.h"
#include "desktop/document_types.h"
#include "fractal/method_table.h"
#include "interactive/input_form.h"
#include "project/batch_run.h"
#include "project/ui/kep_project_doc.h"
#include "project/ui/multi_select_list_box.h"
#include "project/ui/project_input_form.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using kep::FourPaneFrame;

// Answers every dialog at once with what the benchmark set.
class AnsweringDialogs final : public kep::DialogService {
 public:
  void ShowMessage(wxWindow*, const wxString& text) override {
    std::fprintf(stderr, "message: %s\n", text.utf8_str().data());
  }
  int ChooseOne(wxWindow*, const wxString&, const wxArrayString&) override { return documentType; }
  wxString AskOpenPath(wxWindow*, const wxString&) override { return openPath; }
  wxString AskSavePath(wxWindow*, const wxString&, const wxString&) override { return savePath; }
  // Long work is timed to its end, with its progress window on the screen.
  void ShowProgress(kep::ProgressWindow& window) override { window.Show(); }

  int documentType = 0;
  wxString openPath;
  wxString savePath;
};

double Since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void DrawPanes(FourPaneFrame& frame) {
  wxTheApp->ProcessPendingEvents();
  for (int i = 0; i < 4; ++i) frame.Pane(static_cast<FourPaneFrame::PaneIndex>(i))->Update();
}

void Send(FourPaneFrame& frame, wxEventType type, int id, int selection = 0) {
  wxWindow* control = frame.Pane(FourPaneFrame::kForm)->FindWindow(id);
  wxCommandEvent event(type, id);
  event.SetEventObject(control);
  event.SetInt(selection);
  control->ProcessWindowEvent(event);
}

// The command's click, then every pane drawn.
double Click(FourPaneFrame& frame, int id) {
  const auto start = Clock::now();
  Send(frame, wxEVT_BUTTON, id);
  DrawPanes(frame);
  return Since(start);
}

class Timings {
 public:
  // The fastest of five runs of `prepare` followed by the timed `run`.
  double Time(const std::string& command, const std::string& target,
              const std::function<void()>& prepare, const std::function<double()>& run) {
    double best = 1e300;
    for (int i = 0; i < 5; ++i) {
      prepare();
      best = std::min(best, run());
    }
    std::printf("%-44s %9.1f ms (target %s)\n", command.c_str(), best, target.c_str());
    m_rows.push_back({command, best, target});
    return best;
  }

  bool WriteTable(const std::string& path) const {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file) return false;
    std::fprintf(file, "| Command | Time (ms) | Target |\n|---|---:|---|\n");
    for (const Row& row : m_rows) {
      std::fprintf(file, "| %s | %.1f | %s |\n", row.command.c_str(), row.milliseconds,
                   row.target.c_str());
    }
    return std::fclose(file) == 0;
  }

 private:
  struct Row {
    std::string command;
    double milliseconds;
    std::string target;
  };
  std::vector<Row> m_rows;
};

FourPaneFrame* NewWindow(kep::KepApp& app, AnsweringDialogs& dialogs, int type) {
  dialogs.documentType = type;
  wxDocument* document = app.DocManager().CreateDocument(wxString(), wxDOC_NEW);
  for (int i = 0; i < 20; ++i) wxTheApp->Yield(true);
  return document ? dynamic_cast<FourPaneFrame*>(document->GetFirstView()->GetFrame()) : nullptr;
}

void TimeInteractiveWindow(Timings& timings, FourPaneFrame& frame) {
  const auto nothing = [] {};
  const auto load = [&] { Click(frame, kep::kIdLoadFile); };
  timings.Time("Load File", "100 ms", nothing, [&] { return Click(frame, kep::kIdLoadFile); });
  timings.Time("Repaint of an image pane", "16 ms", nothing, [&] {
    kep::DocumentPane* pane = frame.Pane(FourPaneFrame::kLowerLeft);
    const auto start = Clock::now();
    pane->Refresh(false);
    pane->Update();
    return Since(start);
  });
  const std::pair<const char*, int> tools[] = {{"Histogram", kep::kIdHistogram},
                                               {"Threshold", kep::kIdThreshold},
                                               {"Delete SP", kep::kIdDeleteSP},
                                               {"Fill Holes", kep::kIdFillHoles},
                                               {"Get Edge", kep::kIdGetEdge},
                                               {"Swap", kep::kIdSwap}};
  for (const auto& [name, id] : tools) {
    timings.Time(name, "100 ms", load, [&, id = id] { return Click(frame, id); });
  }
  auto* methods = dynamic_cast<wxChoice*>(frame.Pane(FourPaneFrame::kForm)->FindWindow(kep::kIdMethod));
  for (int method = 0; method < kep::kMethodCount; ++method) {
    const bool corner = method >= static_cast<int>(kep::kCornerCountIndex);
    timings.Time(std::string("Calculate FD, ") + kep::kMethods[method].listText,
                 corner ? "250 ms" : "100 ms",
                 [&] {
                   load();
                   methods->SetSelection(method);
                   Send(frame, wxEVT_CHOICE, kep::kIdMethod, method);
                 },
                 [&] { return Click(frame, kep::kIdCalculateFD); });
  }
}

double TimeProgram(const std::string& command) {
  const auto start = Clock::now();
  if (std::system(command.c_str()) != 0) std::fprintf(stderr, "failed: %s\n", command.c_str());
  return Since(start);
}

void TimeProject(Timings& timings, FourPaneFrame& frame, AnsweringDialogs& dialogs,
                 const std::vector<std::string>& pictures, const fs::path& work,
                 const std::string& cli) {
  auto& form = *static_cast<kep::CProjectInputForm*>(frame.Pane(FourPaneFrame::kForm));
  kep::CMultiSelectListBox& files = *form.m_fileList;
  auto& document = *form.GetDocument();
  const auto setFiles = [&](const std::vector<std::string>& paths) {
    document.SelectFiles({}, -1);
    document.m_files.clear();
    document.InsertFiles(paths);
    kep::NotifyPanes(document, kep::Change::kFileList);
  };
  const unsigned threads = kep::DefaultBatchThreads();
  std::string command = cli + " batch -j " + std::to_string(threads) + " --report " +
                        (work / "cli-report.txt").string();
  for (const std::string& picture : pictures) command += " " + picture;
  setFiles(pictures);
  command += " > /dev/null 2>&1";
  dialogs.savePath = wxString::FromUTF8((work / "report.txt").string());
  const auto nothing = [] {};
  const double cliTime =
      timings.Time("kep-cli batch, 64 files", "", nothing, [&] { return TimeProgram(command); });
  const double run = timings.Time("Project run, 64 files", "1.3 x kep-cli batch", nothing,
                                  [&] { return Click(frame, kep::kIdProjectCalculateFD); });
  std::printf("project run / kep-cli batch: %.2f\n", run / cliTime);

  std::vector<std::string> thousand;
  for (int i = 0; i < 1000; ++i) {
    thousand.push_back(pictures[static_cast<std::size_t>(i) % pictures.size()]);
  }
  setFiles(thousand);
  int next = 0;
  timings.Time("Another file selected in a list of 1000", "50 ms", nothing, [&] {
    const auto start = Clock::now();
    files.SelectOnly(++next);
    Send(frame, wxEVT_LISTBOX, kep::kIdFileList, next);
    DrawPanes(frame);
    return Since(start);
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kep_desktop_bench TABLE KEP-CLI\n");
    return 2;
  }
  const fs::path work = fs::temp_directory_path() / "kep-desktop-bench";
  fs::create_directories(work);
  const std::string snowflake = (work / "snowflake-4096.bmp").string();
  bool written = kep::shapes::WriteGreyBmp(kep::shapes::KochSnowflake(4096), snowflake);
  std::vector<std::string> pictures;
  for (std::uint32_t i = 0; i < 64; ++i) {
    pictures.push_back((work / ("batch-" + std::to_string(i) + ".bmp")).string());
    written = written && kep::shapes::WriteGreyBmp(kep::shapes::RandomParticles(1024, 60, 1000 + i),
                                                  pictures.back());
  }
  if (!written) return 1;
  setenv("HOME", work.c_str(), 1);

  auto* app = new kep::KepApp(kep::DesktopDocumentTypes());
  wxApp::SetInstance(app);
  int appArgc = 1;
  char* appArgv[] = {argv[0], nullptr};
  if (!wxEntryStart(appArgc, appArgv)) return 1;
  int status = 1;
  {
    AnsweringDialogs dialogs;
    dialogs.openPath = wxString::FromUTF8(snowflake);
    kep::SetDialogs(&dialogs);
    wxGUIEventLoop loop;
    wxEventLoopActivator activate(&loop);
    if (app->CallOnInit()) {
      // Each window is timed while it is in front: the panes of a window behind
      // another are not drawn.
      Timings timings;
      FourPaneFrame* interactive = NewWindow(*app, dialogs, 0);
      if (interactive) TimeInteractiveWindow(timings, *interactive);
      FourPaneFrame* project = NewWindow(*app, dialogs, 1);
      if (project) TimeProject(timings, *project, dialogs, pictures, work, argv[2]);
      if (interactive && project) status = timings.WriteTable(argv[1]) ? 0 : 1;
      app->MainFrame().Close(true);
      for (int i = 0; i < 5; ++i) wxTheApp->Yield(true);
    }
    app->OnExit();
    kep::SetDialogs(nullptr);
  }
  wxEntryCleanup();
  fs::remove_all(work);
  return status;
}
