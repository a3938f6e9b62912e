#include "app/kep_app.h"

#include "app/app_settings.h"
#include "app/dialog_log.h"
#include "app/interactive_frame.h"
#include "app/kep_doc_manager.h"
#include "app/kep_doc_template.h"
#include "app/main_frame.h"
#include "app/project_frame.h"
#include "interactive/kep_doc.h"
#include "project/ui/kep_project_doc.h"
#include "resources/about_dialog.h"
#include "resources/document_strings.h"

namespace kep {

KepApp::KepApp() { Bind(wxEVT_MENU, &KepApp::OnAppAbout, this, wxID_ABOUT); }

KepApp::~KepApp() = default;

bool KepApp::OnInit() {
  SetAppName("kep");
  SetAppDisplayName("KEP");
  delete wxLog::SetActiveTarget(new DialogLog);
  SetMessageSink(&m_messageSink);

  OpenSettings();
  m_docManager = std::make_unique<KepDocManager>();
  LoadRecentFiles(*m_docManager);

  // The order decides the order of the choices that "New" offers, and makes the
  // interactive type the one every opened file gets.
  new KepDocTemplate(*m_docManager, kInteractiveDocumentStrings,
                     []() -> wxDocument* { return new CKEPDoc; }, &CInteractiveFrame::Open);
  new KepDocTemplate(*m_docManager, kProjectDocumentStrings,
                     []() -> wxDocument* { return new CKepProjectDoc; }, &CProjectFrame::Open);

  m_mainFrame = new CMainFrame;
  if (!m_mainFrame->Create(*m_docManager)) return false;
  SetTopWindow(m_mainFrame);

  wxArrayString arguments;
  for (int i = 1; i < argc; ++i) arguments.Add(argv[i]);
  if (!ProcessShellCommand(arguments)) return false;

  m_mainFrame->Show();
  m_mainFrame->Maximize();
  return true;
}

int KepApp::OnExit() {
  if (m_docManager) {
    StoreRecentFiles(*m_docManager);
    m_docManager.reset();
  }
  CloseSettings();
  SetMessageSink(nullptr);
  delete wxLog::SetActiveTarget(nullptr);
  return wxApp::OnExit();
}

bool KepApp::ProcessShellCommand(const wxArrayString& arguments) {
  if (arguments.empty()) {
    // A cancelled choice leaves the main window empty, which is no failure.
    m_docManager->CreateNewDocument();
    return true;
  }
  return m_docManager->OpenDocumentFile(arguments[0]) != nullptr;
}

void KepApp::OnAppAbout(wxCommandEvent&) { AboutDialog(GetTopWindow()).ShowModal(); }

}  // namespace kep
