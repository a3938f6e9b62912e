#pragma once

#include <wx/docview.h>

namespace kep {

// The document manager: asks through the dialog service which type "New" makes
// and which file "Open" opens, keeps 8 recent files, gives new windows their
// first update, keeps the Edit commands and the exports disabled unless the
// active document carries them out, and printing to the panes that print.
class KepDocManager final : public wxDocManager {
 public:
  KepDocManager();

  wxFileHistory* OnCreateFileHistory() override;
  wxDocTemplate* SelectDocumentType(wxDocTemplate** templates, int count,
                                    bool sort = false) override;
  wxDocTemplate* SelectDocumentPath(wxDocTemplate** templates, int count, wxString& path,
                                    long flags, bool save = false) override;
  wxDocument* CreateDocument(const wxString& path, long flags = 0) override;

  // Opens the file as a document of the first type that matches (every type
  // matches every file, so the first registered).
  wxDocument* OpenDocumentFile(const wxString& path);

 private:
  void OnUpdatePrint(wxUpdateUIEvent& event);
};

}  // namespace kep
