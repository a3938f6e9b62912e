#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/menu.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/uiaction.h>

#include "app/busy_scope.h"
#include "app/export_commands.h"
#include "app/four_pane_frame.h"
#include "app/kep_doc_manager.h"
#include "app/main_frame.h"
#include "resources/command_ids.h"
#include "test_app.h"
#include "version.h"

namespace kep::test {
namespace {

using MainFrameTest = AppTest;

// Each item's label as the menu keeps it (mnemonic and accelerator included),
// "-" for a separator.
std::vector<wxString> Labels(const wxMenu& menu) {
  std::vector<wxString> labels;
  for (const wxMenuItem* item : menu.GetMenuItems()) {
    labels.push_back(item->IsSeparator() ? wxString("-") : item->GetItemLabel());
  }
  return labels;
}

std::vector<wxString> Titles(const wxMenuBar& bar) {
  std::vector<wxString> titles;
  for (size_t i = 0; i < bar.GetMenuCount(); ++i) titles.push_back(bar.GetMenuLabel(i));
  return titles;
}

bool IsEnabledAfterUpdate(wxMenuBar& bar, int id) {
  bar.UpdateMenus();
  return bar.FindItem(id)->IsEnabled();
}

TEST_F(MainFrameTest, MenuWithoutDocumentHasOnlyTheFileMenu) {
  wxMenuBar& bar = *App().MainFrame().GetMenuBar();
  EXPECT_EQ(Titles(bar), (std::vector<wxString>{"&File"}));
  EXPECT_EQ(Labels(*bar.GetMenu(0)),
            (std::vector<wxString>{"&New\tCtrl+N", "&Open...\tCtrl+O", "-", "P&rint Setup...", "-",
                                   "Recent File", "-", "E&xit"}));
}

TEST_F(MainFrameTest, DocumentMenusHaveTheirTextsAndShortcuts) {
  FourPaneFrame* frame = FrameOf(NewDocument(0));
  wxMenuBar& bar = *frame->GetMenuBar();
  EXPECT_EQ(Titles(bar),
            (std::vector<wxString>{"&File", "&Edit", "&View", "&Window", "&Help"}));
  EXPECT_EQ(Labels(*bar.GetMenu(0)),
            (std::vector<wxString>{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Close", "&Save\tCtrl+S",
                                   "Save &As...", "Export P&lot...", "Export Po&ints...", "-",
                                   "&Print...\tCtrl+P", "Print Pre&view",
                                   "P&rint Setup...", "-", "Recent File", "-", "E&xit"}));
  EXPECT_EQ(Labels(*bar.GetMenu(1)),
            (std::vector<wxString>{"&Undo\tCtrl+Z", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C",
                                   "&Paste\tCtrl+V"}));
  EXPECT_EQ(Labels(*bar.GetMenu(2)),
            (std::vector<wxString>{"&Toolbar", "&Status Bar", "-", "S&kipped Files"}));
  EXPECT_EQ(Labels(*bar.GetMenu(3)),
            (std::vector<wxString>{"&New Window", "&Cascade", "&Tile", "&Arrange Icons", "-",
                                   "&Particles", "&Local Dimensions"}));
  EXPECT_EQ(Labels(*bar.GetMenu(4)), (std::vector<wxString>{"&About KEP..."}));
}

TEST_F(MainFrameTest, EditCommandsAndWindowArrangementStayDisabled) {
  wxMenuBar& bar = *FrameOf(NewDocument(0))->GetMenuBar();
  // Copy, the exports and the tables wait for a result, or a project's run.
  for (int id : {int{wxID_UNDO}, int{wxID_CUT}, int{wxID_COPY}, int{wxID_PASTE},
                 int{kIdExportPlot}, int{kIdExportPoints}, int{kIdParticles},
                 int{kIdLocalDimensions}, int{kIdSkippedFiles}, int{wxID_MDI_WINDOW_CASCADE},
                 int{wxID_MDI_WINDOW_TILE_HORZ}, int{wxID_MDI_WINDOW_ARRANGE_ICONS}}) {
    EXPECT_FALSE(IsEnabledAfterUpdate(bar, id)) << id;
  }
  for (int id : {int{wxID_SAVE}, int{wxID_SAVEAS}, int{wxID_CLOSE}, int{kIdWindowNew}}) {
    EXPECT_TRUE(IsEnabledAfterUpdate(bar, id)) << id;
  }
}

TEST_F(MainFrameTest, ViewCommandsHideAndShowTheBars) {
  CMainFrame& frame = App().MainFrame();
  Command(kIdViewToolBar);
  EXPECT_FALSE(frame.GetToolBar()->IsShown());
  Command(kIdViewStatusBar);
  EXPECT_FALSE(frame.GetStatusBar()->IsShown());
  Command(kIdViewToolBar);
  Command(kIdViewStatusBar);
  EXPECT_TRUE(frame.GetToolBar()->IsShown());
  EXPECT_TRUE(frame.GetStatusBar()->IsShown());
}

TEST_F(MainFrameTest, StatusBarShowsCapsLockWhileItIsOn) {
  CMainFrame& frame = App().MainFrame();
  wxStatusBar& statusBar = *frame.GetStatusBar();
  ASSERT_EQ(statusBar.GetFieldsCount(), 4);
  frame.UpdateIdleState();
  EXPECT_EQ(statusBar.GetStatusText(1), "");

  wxUIActionSimulator keyboard;
  keyboard.Char(WXK_CAPITAL);
  PumpUntil([&] {
    frame.UpdateIdleState();
    return statusBar.GetStatusText(1) == "CAP";
  });
  EXPECT_EQ(statusBar.GetStatusText(1), "CAP");
  EXPECT_EQ(statusBar.GetStatusText(2), "");
  EXPECT_EQ(statusBar.GetStatusText(3), "");

  keyboard.Char(WXK_CAPITAL);
  PumpUntil([&] {
    frame.UpdateIdleState();
    return statusBar.GetStatusText(1).empty();
  });
  EXPECT_EQ(statusBar.GetStatusText(1), "");
}

// While a command runs, closing the program is refused with a message, and the
// keys that stand for menu commands do nothing.
TEST_F(MainFrameTest, WhileACommandRunsTheProgramStaysOpenAndItsMenuKeysWait) {
  {
    BusyScope busy(BusyScope::Painting::kKept);
    wxCloseEvent close(wxEVT_CLOSE_WINDOW, App().MainFrame().GetId());
    close.SetCanVeto(true);
    App().MainFrame().ProcessWindowEvent(close);
    EXPECT_TRUE(close.GetVeto());
    Command(wxID_NEW);
  }
  EXPECT_EQ(TakeMessages(), std::vector<wxString>{kBusyCloseMessage});
  EXPECT_TRUE(App().DocManager().GetDocumentsVector().empty()) << "no scripted answer was used";
}

TEST_F(MainFrameTest, TitleNamesTheActiveDocument) {
  wxDocument* document = NewDocument(1);
  App().MainFrame().UpdateIdleState();
  EXPECT_EQ(App().MainFrame().GetTitle(), "KEP - " + document->GetUserReadableName());
}

TEST_F(MainFrameTest, AboutBoxShowsTheVersion) {
  bool inspected = false;
  Guard().ExpectDialog("About KEP", [&](wxDialog& dialog) {
    inspected = true;
    bool version = false, ok = false, icon = false;
    for (wxWindow* child : dialog.GetChildren()) {
      if (auto* text = dynamic_cast<wxStaticText*>(child)) version |= text->GetLabel() == wxString("KEP Version ") + kVersion;
      if (auto* button = dynamic_cast<wxButton*>(child)) ok |= button->GetId() == wxID_OK && button->GetLabel() == "OK";
      icon |= dynamic_cast<wxStaticBitmap*>(child) != nullptr;
    }
    EXPECT_TRUE(version);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(icon);
  });
  Command(wxID_ABOUT);
  EXPECT_TRUE(inspected);
}

}  // namespace
}  // namespace kep::test
