#pragma once

#include <memory>
#include <vector>

#include <wx/app.h>

#include "app/kep_doc_template.h"

namespace kep {

class CMainFrame;
class KepDocManager;

// The application object: registers the document types, builds the main window
// and carries out the command line; keeps the recent-file list in the settings
// file between runs.
class KepApp : public wxApp {
 public:
  // The types in the order "New" offers them; the first is the one every opened
  // file gets.
  explicit KepApp(std::vector<DocumentType> documentTypes);
  ~KepApp() override;

  bool OnInit() override;
  int OnExit() override;

  // The command line's request, without the program's name: no argument creates
  // a new document ("New"), a file name opens that file as "Open" does. False
  // when the file could not be opened.
  bool ProcessShellCommand(const wxArrayString& arguments);

  KepDocManager& DocManager() const { return *m_docManager; }
  CMainFrame& MainFrame() const { return *m_mainFrame; }

 private:
  void OnAppAbout(wxCommandEvent& event);

  std::vector<DocumentType> m_documentTypes;
  std::unique_ptr<KepDocManager> m_docManager;
  CMainFrame* m_mainFrame = nullptr;
};

}  // namespace kep
