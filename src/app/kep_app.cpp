#include "app/kep_app.h"

#include <utility>

#include "app/app_settings.h"
#include "app/dialog_log.h"
#include "app/file_path.h"
#include "app/kep_doc_manager.h"
#include "app/kep_doc_template.h"
#include "app/main_frame.h"
#include "resources/about_dialog.h"

namespace kep {

KepApp::KepApp(std::vector<DocumentType> documentTypes, std::vector<std::string> arguments)
    : m_documentTypes(std::move(documentTypes)), m_arguments(std::move(arguments)) {
  Bind(wxEVT_MENU, &KepApp::OnAppAbout, this, wxID_ABOUT);
}

KepApp::~KepApp() = default;

bool KepApp::OnInit() {
  SetAppName("kep");
  SetAppDisplayName("KEP");
  delete wxLog::SetActiveTarget(new DialogLog);

  OpenSettings();
  m_docManager = std::make_unique<KepDocManager>();
  LoadRecentFiles(*m_docManager);

  for (const DocumentType& type : m_documentTypes) {
    new KepDocTemplate(*m_docManager, type.documentStrings, type.createDocument, type.createFrame);
  }

  m_mainFrame = new CMainFrame;
  if (!m_mainFrame->Create(*m_docManager)) return false;
  SetTopWindow(m_mainFrame);

  // The toolkit's file-name conversion is known only once it has started.
  wxArrayString arguments;
  for (const std::string& argument : m_arguments) arguments.Add(PathText(argument));
  ProcessShellCommand(arguments);

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
