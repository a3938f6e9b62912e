// The panes of a document window: the keys that move between them, and a second
// window on the same document.

#include <wx/uiaction.h>

#include "app/document_pane.h"
#include "app/four_pane_frame.h"
#include "app/pane_view.h"
#include "interactive/kep_doc.h"
#include "resources/command_ids.h"
#include "test_app.h"

namespace kep::test {
namespace {

using FrameLayoutTest = AppTest;
using Pane = FourPaneFrame::PaneIndex;

TEST_F(FrameLayoutTest, PaneKeysGoRoundThePanesBothWays) {
  FourPaneFrame* frame = FrameOf(NewDocument(0));
  ASSERT_EQ(frame->ActivePane(), frame->Pane(FourPaneFrame::kForm));
  for (Pane expected : {FourPaneFrame::kUpper, FourPaneFrame::kLowerLeft,
                        FourPaneFrame::kLowerRight, FourPaneFrame::kForm}) {
    Command(kIdNextPane);
    EXPECT_EQ(frame->ActivePane(), frame->Pane(expected));
  }
  Command(kIdPreviousPane);
  EXPECT_EQ(frame->ActivePane(), frame->Pane(FourPaneFrame::kLowerRight));
  // The document manager's current view follows the active pane.
  EXPECT_EQ(App().DocManager().GetCurrentView(),
            static_cast<wxView*>(frame->Pane(FourPaneFrame::kLowerRight)->GetView()));
}

TEST_F(FrameLayoutTest, F6KeyReachesTheMainWindowFromAPane) {
  FourPaneFrame* frame = FrameOf(NewDocument(0));
  DocumentPane* left = frame->Pane(FourPaneFrame::kLowerLeft);
  wxUIActionSimulator input;
  input.MouseMove(left->GetScreenRect().GetPosition() + wxPoint(20, 20));
  input.MouseClick();
  ASSERT_TRUE(PumpUntil([&] { return frame->ActivePane() == left; }));

  input.Char(WXK_F6);
  EXPECT_TRUE(PumpUntil([&] { return frame->ActivePane() == frame->Pane(FourPaneFrame::kLowerRight); }));
  input.Char(WXK_F6, wxMOD_SHIFT);
  EXPECT_TRUE(PumpUntil([&] { return frame->ActivePane() == left; }));
}

TEST_F(FrameLayoutTest, NewWindowTakesOverTheDocumentUntilItCloses) {
  auto* document = dynamic_cast<CKEPDoc*>(NewDocument(0));
  FourPaneFrame* first = FrameOf(document);
  Command(kIdWindowNew);
  ASSERT_EQ(document->GetViewsVector().size(), 8u);
  auto* second = dynamic_cast<FourPaneFrame*>(App().MainFrame().GetActiveChild());
  ASSERT_TRUE(second != nullptr && second != first);

  second->Close();
  PumpEvents();
  EXPECT_EQ(App().DocManager().GetDocumentsVector().size(), 1u);
  EXPECT_EQ(document->GetViewsVector().size(), 4u);

  first->Close();
  PumpEvents();
  EXPECT_TRUE(App().DocManager().GetDocumentsVector().empty());
}

}  // namespace
}  // namespace kep::test
