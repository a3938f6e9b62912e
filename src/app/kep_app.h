#pragma once

#include <memory>
#include <string>
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
  // file gets. The arguments of the command line come as the file system's
  // bytes, since the toolkit's own arguments are texts converted by the locale,
  // which not every file name survives.
  explicit KepApp(std::vector<DocumentType> documentTypes, std::vector<std::string> arguments = {});
  ~KepApp() override;

  bool OnInit() override;
  int OnExit() override;

  // The command line's request, without the program's name: no argument creates
  // a new document ("New"), a file name opens that file as "Open" does. False
  // when the file could not be opened; the program goes on all the same, with
  // the message that says why.
  bool ProcessShellCommand(const wxArrayString& arguments);

  KepDocManager& DocManager() const { return *m_docManager; }
  CMainFrame& MainFrame() const { return *m_mainFrame; }

 private:
  void OnAppAbout(wxCommandEvent& event);

  std::vector<DocumentType> m_documentTypes;
  std::vector<std::string> m_arguments;
  std::unique_ptr<KepDocManager> m_docManager;
  CMainFrame* m_mainFrame = nullptr;
};

}  // namespace kep
