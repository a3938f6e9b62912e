#include "app/kep_doc_manager.h"

#include "app/app_settings.h"
#include "app/dialog_service.h"
#include "app/export_commands.h"
#include "app/four_pane_frame.h"
#include "app/kep_document.h"
#include "app/pane_view.h"
#include "app/recent_file_list.h"
#include "resources/command_ids.h"

namespace kep {

KepDocManager::KepDocManager() : wxDocManager(0, false) {
  // Initialised here rather than by the base class, whose constructor cannot
  // reach this class's file history.
  Initialize();
  // Copy, the exports and the tables are the documents' own, while they have
  // something to carry out; the other edit commands have nothing to work on.
  for (int command : {int{wxID_UNDO}, int{wxID_CUT}, int{wxID_COPY}, int{wxID_PASTE},
                      int{kIdExportPlot}, int{kIdExportPoints}, int{kIdSkippedFiles},
                      int{kIdParticles}, int{kIdLocalDimensions}}) {
    Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(false); }, command);
  }
  Bind(wxEVT_UPDATE_UI, &KepDocManager::OnUpdatePrint, this, wxID_PRINT);
  Bind(wxEVT_UPDATE_UI, &KepDocManager::OnUpdatePrint, this, wxID_PREVIEW);
}

wxFileHistory* KepDocManager::OnCreateFileHistory() {
  return new RecentFileList(kRecentFileCount);
}

wxDocTemplate* KepDocManager::SelectDocumentType(wxDocTemplate** templates, int count, bool) {
  if (count == 1) return templates[0];
  wxArrayString names;
  for (int i = 0; i < count; ++i) names.Add(templates[i]->GetDescription());
  const int choice = Dialogs().ChooseOne(nullptr, "New", names);
  return choice >= 0 && choice < count ? templates[choice] : nullptr;
}

wxDocTemplate* KepDocManager::SelectDocumentPath(wxDocTemplate**, int, wxString& path, long,
                                                 bool) {
  path = Dialogs().AskOpenPath(nullptr, kAllFilesFilter);
  return path.empty() ? nullptr : FindTemplateForPath(path);
}

wxDocument* KepDocManager::CreateDocument(const wxString& path, long flags) {
  wxDocument* document = wxDocManager::CreateDocument(path, flags);
  if (!document) return nullptr;
  for (wxView* view : document->GetViewsVector()) {
    if (auto* frame = dynamic_cast<FourPaneFrame*>(view->GetFrame())) frame->InitialUpdateFrame();
  }
  if (auto* kepDocument = dynamic_cast<KepDocument*>(document)) kepDocument->OnWindowReady();
  return document;
}

wxDocument* KepDocManager::OpenDocumentFile(const wxString& path) {
  return CreateDocument(path, wxDOC_SILENT);
}

void KepDocManager::OnUpdatePrint(wxUpdateUIEvent& event) {
  auto* view = dynamic_cast<PaneView*>(GetAnyUsableView());
  event.Enable(view && view->IsPrintable());
}

}  // namespace kep
