#include "test_app.h"

#include <thread>

#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/docview.h>

#include "app/document_pane.h"
#include "app/four_pane_frame.h"
#include "app/kep_doc_manager.h"
#include "app/main_frame.h"
#include "app/pane_view.h"

namespace kep::test {

wxString AccessibleName(wxWindow& control) {
  return wxString::FromUTF8(
      atk_object_get_name(gtk_widget_get_accessible(control.GetConnectWidget())));
}

void PumpEvents() {
  for (int round = 0; round < 3; ++round) {
    wxTheApp->Yield(true);
    wxTheApp->ProcessPendingEvents();
    wxTheApp->ProcessIdle();
  }
}

void SendCommand(wxWindow& control, wxEventType type, int value) {
  wxCommandEvent event(type, control.GetId());
  event.SetEventObject(&control);
  event.SetInt(value);
  control.ProcessWindowEvent(event);
  PumpEvents();
}

bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds patience) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    PumpEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

void AppTest::SetUp() {
  KepDocManager& manager = App().DocManager();
  manager.CloseDocuments(true);
  while (manager.GetHistoryFilesCount() > 0) manager.RemoveFileFromHistory(0);
  PumpEvents();
  Dialogs().Clear();
}

void AppTest::TearDown() {
  EXPECT_TRUE(Dialogs().choices.empty()) << "unused scripted choices";
  EXPECT_TRUE(Dialogs().openPaths.empty()) << "unused scripted open paths";
  EXPECT_TRUE(Dialogs().savePaths.empty()) << "unused scripted save paths";
  for (const wxString& message : Dialogs().messages) ADD_FAILURE() << "Message shown: " << message;
  EXPECT_TRUE(Guard().ExpectedDialogShown()) << "an announced dialog did not come";
  App().DocManager().CloseDocuments(true);
  PumpEvents();
}

wxDocument* AppTest::NewDocument(int typeIndex) {
  Dialogs().choices.push_back(typeIndex);
  Command(wxID_NEW);
  wxDocument* document = App().DocManager().GetCurrentDocument();
  FourPaneFrame* frame = FrameOf(document);
  EXPECT_TRUE(frame != nullptr);
  if (frame) {
    PumpUntil([&] { return frame->Pane(FourPaneFrame::kLowerRight)->GetSize().x > 0; });
  }
  return document;
}

FourPaneFrame* AppTest::FrameOf(wxDocument* document) {
  if (!document) return nullptr;
  wxView* view = document->GetFirstView();
  return view ? dynamic_cast<FourPaneFrame*>(view->GetFrame()) : nullptr;
}

void AppTest::Command(int id) {
  wxCommandEvent event(wxEVT_MENU, id);
  event.SetEventObject(&App().MainFrame());
  App().MainFrame().GetEventHandler()->ProcessEvent(event);
  PumpEvents();
}

std::vector<wxString> AppTest::TakeMessages() {
  std::vector<wxString> messages;
  messages.swap(Dialogs().messages);
  return messages;
}

wxString AppTest::PathInHome(const wxString& name) { return Home() + "/" + name; }

}  // namespace kep::test
