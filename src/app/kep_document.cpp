#include "app/kep_document.h"

#include <wx/filename.h>

#include "app/dialog_service.h"
#include "app/kep_doc_template.h"

namespace kep {

bool KepDocument::OnNewDocument() {
  if (!wxDocument::OnNewDocument()) return false;
  if (auto* type = dynamic_cast<KepDocTemplate*>(GetDocumentTemplate())) {
    const wxString title = type->NextUntitledTitle();
    SetTitle(title);
    SetFilename(title, true);
  }
  return true;
}

bool KepDocument::OnOpenDocument(const wxString& path) {
  if (!DoOpenDocument(path)) return false;
  // The panes' first update follows, once the window is complete.
  SetFilename(path, true);
  SetDocumentSaved(true);
  return true;
}

bool KepDocument::SaveAs() {
  const wxString path = Dialogs().AskSavePath(GetDocumentWindow(), GetTitle(), kAllFilesFilter);
  if (path.empty() || !OnSaveDocument(path)) return false;
  SetTitle(wxFileName(path).GetFullName());
  SetFilename(path, true);
  GetDocumentManager()->AddFileToHistory(path);
  return true;
}

}  // namespace kep
