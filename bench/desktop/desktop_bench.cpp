// kep_desktop_bench TABLE: times the commands of an interactive window on the
// 4096-pixel Koch snowflake, from the click to the last pane drawn, and a repaint
// of a pane showing the whole image stretched; writes a Markdown table. Runs the
// real program objects, so it needs a display (scripts/bench.sh gives it a
// virtual one). Each time is the fastest of five runs.

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
#include "bench_images.h"
#include "desktop/document_types.h"
#include "fractal/method_table.h"
#include "interactive/input_form.h"
#include "interactive/kep_doc.h"

namespace {

using Clock = std::chrono::steady_clock;

// Answers every dialog at once: the first document type, the benchmark's file.
class AnsweringDialogs final : public kep::DialogService {
 public:
  explicit AnsweringDialogs(wxString path) : m_path(std::move(path)) {}
  void ShowMessage(wxWindow*, const wxString& text) override {
    std::fprintf(stderr, "message: %s\n", text.utf8_str().data());
  }
  int ChooseOne(wxWindow*, const wxString&, const wxArrayString&) override { return 0; }
  wxString AskOpenPath(wxWindow*, const wxString&) override { return m_path; }
  wxString AskSavePath(wxWindow*, const wxString&, const wxString&) override { return {}; }

 private:
  wxString m_path;
};

struct Row {
  std::string command;
  double milliseconds;
  double target;
};

class DesktopBench {
 public:
  explicit DesktopBench(kep::FourPaneFrame& frame) : m_frame(frame) {}

  // The command's click, then every pane drawn.
  double Click(int id) {
    wxWindow* button = Form().FindWindow(id);
    const auto start = Clock::now();
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(button);
    button->ProcessWindowEvent(click);
    DrawPanes();
    return Since(start);
  }

  double Repaint(kep::FourPaneFrame::PaneIndex index) {
    kep::DocumentPane* pane = m_frame.Pane(index);
    const auto start = Clock::now();
    pane->Refresh(false);
    pane->Update();
    return Since(start);
  }

  void ChooseMethod(int method) {
    auto* list = dynamic_cast<wxChoice*>(Form().FindWindow(kep::kIdMethod));
    list->SetSelection(method);
    wxCommandEvent choice(wxEVT_CHOICE, kep::kIdMethod);
    choice.SetEventObject(list);
    list->ProcessWindowEvent(choice);
    DrawPanes();
  }

  // The fastest of five runs of `prepare` followed by the timed `run`.
  void Time(const std::string& command, double target, const std::function<void()>& prepare,
            const std::function<double()>& run) {
    double best = 1e300;
    for (int i = 0; i < 5; ++i) {
      prepare();
      best = std::min(best, run());
    }
    std::printf("%-36s %9.1f ms (target %g)\n", command.c_str(), best, target);
    m_rows.push_back({command, best, target});
  }

  bool WriteTable(const std::string& path) const {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file) return false;
    std::fprintf(file, "| Command | Time (ms) | Target (ms) |\n|---|---:|---:|\n");
    for (const Row& row : m_rows) {
      std::fprintf(file, "| %s | %.1f | %g |\n", row.command.c_str(), row.milliseconds, row.target);
    }
    return std::fclose(file) == 0;
  }

 private:
  kep::CInputForm& Form() const {
    return *static_cast<kep::CInputForm*>(m_frame.Pane(kep::FourPaneFrame::kForm));
  }

  void DrawPanes() {
    wxTheApp->ProcessPendingEvents();
    for (int i = 0; i < 4; ++i) m_frame.Pane(static_cast<kep::FourPaneFrame::PaneIndex>(i))->Update();
  }

  static double Since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  }

  kep::FourPaneFrame& m_frame;
  std::vector<Row> m_rows;
};

void RunCommands(DesktopBench& bench) {
  using kep::FourPaneFrame;
  const auto nothing = [] {};
  const auto load = [&] { bench.Click(kep::kIdLoadFile); };
  bench.Time("Load File", 100, nothing, [&] { return bench.Click(kep::kIdLoadFile); });
  bench.Time("Repaint of an image pane", 16, nothing,
             [&] { return bench.Repaint(FourPaneFrame::kLowerLeft); });
  bench.Time("Histogram", 100, load, [&] { return bench.Click(kep::kIdHistogram); });
  bench.Time("Threshold", 100, load, [&] { return bench.Click(kep::kIdThreshold); });
  bench.Time("Delete SP", 100, load, [&] { return bench.Click(kep::kIdDeleteSP); });
  bench.Time("Fill Holes", 100, load, [&] { return bench.Click(kep::kIdFillHoles); });
  bench.Time("Get Edge", 100, load, [&] { return bench.Click(kep::kIdGetEdge); });
  bench.Time("Swap", 100, load, [&] { return bench.Click(kep::kIdSwap); });
  for (int method = 0; method < kep::kMethodCount; ++method) {
    const double target = method >= static_cast<int>(kep::kCornerCountIndex) ? 250 : 100;
    bench.Time(std::string("Calculate FD, ") + kep::kMethods[method].listText, target,
               [&] {
                 load();
                 bench.ChooseMethod(method);
               },
               [&] { return bench.Click(kep::kIdCalculateFD); });
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kep_desktop_bench TABLE\n");
    return 2;
  }
  const std::filesystem::path work = std::filesystem::temp_directory_path() / "kep-desktop-bench";
  std::filesystem::create_directories(work);
  const std::string picture = (work / "snowflake-4096.bmp").string();
  if (!kep::bench::WriteGreyBmp(kep::bench::KochSnowflake(4096), picture)) return 1;
  setenv("HOME", work.c_str(), 1);

  auto* app = new kep::KepApp(kep::DesktopDocumentTypes());
  wxApp::SetInstance(app);
  int appArgc = 1;
  char* appArgv[] = {argv[0], nullptr};
  if (!wxEntryStart(appArgc, appArgv)) return 1;
  int status = 1;
  {
    AnsweringDialogs dialogs(wxString::FromUTF8(picture));
    kep::SetDialogs(&dialogs);
    wxGUIEventLoop loop;
    wxEventLoopActivator activate(&loop);
    if (app->CallOnInit()) {
      for (int i = 0; i < 20; ++i) wxTheApp->Yield(true);
      wxDocument* document = app->DocManager().GetCurrentDocument();
      auto* frame = document ? dynamic_cast<kep::FourPaneFrame*>(document->GetFirstView()->GetFrame())
                             : nullptr;
      if (frame) {
        DesktopBench bench(*frame);
        RunCommands(bench);
        status = bench.WriteTable(argv[1]) ? 0 : 1;
      }
      app->MainFrame().Close(true);
      for (int i = 0; i < 5; ++i) wxTheApp->Yield(true);
    }
    app->OnExit();
    kep::SetDialogs(nullptr);
  }
  wxEntryCleanup();
  std::filesystem::remove_all(work);
  return status;
}
