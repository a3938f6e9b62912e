#include "app/kep_document.h"

#include <wx/filename.h>

#include "app/dialog_service.h"
#include "app/file_path.h"
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

// The toolkit's own check reads the path through the locale, which not every
// file name survives.
bool KepDocument::OnOpenDocument(const wxString& path) {
  const wxString unreadable = UnreadableFileMessage(path);
  if (!unreadable.empty()) {
    Dialogs().ShowMessage(nullptr, unreadable);
    return false;
  }
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
