#include <wx/splitter.h>
#include <wx/uiaction.h>

#include "app/document_pane.h"
#include "app/four_pane_frame.h"
#include "app/pane_view.h"
#include "interactive/interactive_frame.h"
#include "project/ui/project_frame.h"
#include "interactive/image_l_view.h"
#include "interactive/image_r_view.h"
#include "interactive/input_form.h"
#include "interactive/kep_doc.h"
#include "plot/ui/output_form.h"
#include "project/ui/kep_project_doc.h"
#include "project/ui/project_2d_output_view.h"
#include "project/ui/project_2d_single_view.h"
#include "project/ui/project_input_form.h"
#include "project/ui/project_view.h"
#include "resources/command_ids.h"
#include "test_app.h"

namespace kep::test {
namespace {

using FrameLayoutTest = AppTest;
using Pane = FourPaneFrame::PaneIndex;

wxSplitterWindow* SplitterOf(wxWindow* pane) {
  return dynamic_cast<wxSplitterWindow*>(pane->GetParent());
}

// Checks the three nested splitters: form | (upper / (lower left | lower right)).
void ExpectFourPaneArrangement(FourPaneFrame& frame) {
  wxSplitterWindow* outer = SplitterOf(frame.Pane(FourPaneFrame::kForm));
  ASSERT_TRUE(outer != nullptr);
  EXPECT_EQ(outer->GetParent(), &frame);
  EXPECT_EQ(outer->GetSplitMode(), wxSPLIT_VERTICAL);
  EXPECT_EQ(outer->GetWindow1(), frame.Pane(FourPaneFrame::kForm));

  wxSplitterWindow* right = SplitterOf(frame.Pane(FourPaneFrame::kUpper));
  ASSERT_TRUE(right != nullptr);
  EXPECT_EQ(outer->GetWindow2(), right);
  EXPECT_EQ(right->GetSplitMode(), wxSPLIT_HORIZONTAL);
  EXPECT_EQ(right->GetWindow1(), frame.Pane(FourPaneFrame::kUpper));

  wxSplitterWindow* lower = SplitterOf(frame.Pane(FourPaneFrame::kLowerLeft));
  ASSERT_TRUE(lower != nullptr);
  EXPECT_EQ(right->GetWindow2(), lower);
  EXPECT_EQ(lower->GetSplitMode(), wxSPLIT_VERTICAL);
  EXPECT_EQ(lower->GetWindow1(), frame.Pane(FourPaneFrame::kLowerLeft));
  EXPECT_EQ(lower->GetWindow2(), frame.Pane(FourPaneFrame::kLowerRight));
}

TEST_F(FrameLayoutTest, InteractiveWindowHasItsFourPanes) {
  auto* document = dynamic_cast<CKEPDoc*>(NewDocument(0));
  ASSERT_TRUE(document != nullptr);
  auto* frame = dynamic_cast<CInteractiveFrame*>(FrameOf(document));
  ASSERT_TRUE(frame != nullptr);
  ExpectFourPaneArrangement(*frame);

  auto* form = dynamic_cast<CInputForm*>(frame->Pane(FourPaneFrame::kForm));
  auto* result = dynamic_cast<COutputForm*>(frame->Pane(FourPaneFrame::kUpper));
  auto* left = dynamic_cast<CImageLView*>(frame->Pane(FourPaneFrame::kLowerLeft));
  auto* right = dynamic_cast<CImageRView*>(frame->Pane(FourPaneFrame::kLowerRight));
  EXPECT_TRUE(form && result && left && right);
}

TEST_F(FrameLayoutTest, ProjectWindowHasItsFourPanes) {
  auto* document = dynamic_cast<CKepProjectDoc*>(NewDocument(1));
  ASSERT_TRUE(document != nullptr);
  auto* frame = dynamic_cast<CProjectFrame*>(FrameOf(document));
  ASSERT_TRUE(frame != nullptr);
  ExpectFourPaneArrangement(*frame);

  auto* form = dynamic_cast<CProjectInputForm*>(frame->Pane(FourPaneFrame::kForm));
  auto* plot = dynamic_cast<CProject2DOutputView*>(frame->Pane(FourPaneFrame::kUpper));
  auto* image = dynamic_cast<CProjectView*>(frame->Pane(FourPaneFrame::kLowerLeft));
  auto* single = dynamic_cast<CProject2DSingleView*>(frame->Pane(FourPaneFrame::kLowerRight));
  EXPECT_TRUE(form && plot && image && single);
}

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
