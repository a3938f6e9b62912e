// Starts the application object once, in a temporary home directory, with the
// dialogs scripted and real modal dialogs guarded against; then runs the tests.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/docview.h>
#include <wx/evtloop.h>
#include <wx/init.h>

#include "app/kep_doc_manager.h"
#include "app/main_frame.h"
#include "desktop/document_types.h"
#include "test_app.h"

namespace kep::test {

namespace {

KepApp* g_app = nullptr;
ScriptedDialogs* g_dialogs = nullptr;
ModalGuard* g_guard = nullptr;
wxString g_home;
StartupRecord g_startup;

std::string MakeTemporaryHome() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kep-app-tests-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return {};
  setenv("HOME", pattern.c_str(), 1);
  unsetenv("XDG_CONFIG_HOME");
  return pattern;
}

void RecordStartup() {
  g_startup.choicesOffered = g_dialogs->choicesOffered;
  g_startup.choiceTitles = g_dialogs->choiceTitles;
  for (wxDocument* document : g_app->DocManager().GetDocumentsVector()) {
    g_startup.documentClasses.push_back(typeid(*document).name());
  }
  g_startup.mainFrameShown = g_app->MainFrame().IsShown();
}

}  // namespace

KepApp& App() { return *g_app; }
ScriptedDialogs& Dialogs() { return *g_dialogs; }
ModalGuard& Guard() { return *g_guard; }
wxString Home() { return g_home; }
const StartupRecord& Startup() { return g_startup; }

}  // namespace kep::test

int main(int argc, char** argv) {
  using namespace kep::test;
  testing::InitGoogleTest(&argc, argv);
  const std::string home = MakeTemporaryHome();
  if (home.empty()) return 1;
  g_home = wxString::FromUTF8(home);

  g_app = new kep::KepApp(kep::DesktopDocumentTypes());
  wxApp::SetInstance(g_app);
  int appArgc = 1;
  char* appArgv[] = {argv[0], nullptr};
  if (!wxEntryStart(appArgc, appArgv)) return 1;

  int result = 1;
  {
    ScriptedDialogs dialogs;
    ModalGuard guard;
    g_dialogs = &dialogs;
    g_guard = &guard;
    kep::SetDialogs(&dialogs);
    wxGUIEventLoop loop;
    wxEventLoopActivator activate(&loop);

    dialogs.choices.push_back(0);
    if (g_app->CallOnInit()) {
      PumpEvents();
      RecordStartup();
      result = RUN_ALL_TESTS();
      g_app->MainFrame().Close(true);
      PumpEvents();
    }
    g_app->OnExit();
    kep::SetDialogs(nullptr);
  }
  wxEntryCleanup();
  std::filesystem::remove_all(home);
  return result;
}
