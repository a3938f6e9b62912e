#include <wx/dcmemory.h>
#include <wx/menu.h>
#include <wx/prntbase.h>

#include "app/canvas_pane.h"
#include "app/four_pane_frame.h"
#include "interactive/kep_doc.h"
#include "resources/command_ids.h"
#include "test_app.h"

namespace kep::test {
namespace {

using PrintingTest = AppTest;

bool PrintEnabled(FourPaneFrame& frame) {
  frame.GetMenuBar()->UpdateMenus();
  return frame.GetMenuBar()->FindItem(wxID_PRINT)->IsEnabled() &&
         frame.GetMenuBar()->FindItem(wxID_PREVIEW)->IsEnabled();
}

wxPreviewFrame* OpenPreview() {
  for (wxWindow* window : wxTopLevelWindows) {
    if (auto* preview = dynamic_cast<wxPreviewFrame*>(window)) return preview;
  }
  return nullptr;
}

TEST_F(PrintingTest, OnlyTheImagePanesPrint) {
  FourPaneFrame& interactive = *FrameOf(NewDocument(0));
  EXPECT_FALSE(PrintEnabled(interactive)) << "the form";
  Command(kIdNextPane);
  EXPECT_FALSE(PrintEnabled(interactive)) << "the result form";
  Command(kIdNextPane);
  EXPECT_TRUE(PrintEnabled(interactive)) << "the left image";
  Command(kIdNextPane);
  EXPECT_TRUE(PrintEnabled(interactive)) << "the right image";

  FourPaneFrame& project = *FrameOf(NewDocument(1));
  for (int pane = 0; pane < 4; ++pane) {
    EXPECT_FALSE(PrintEnabled(project)) << pane;
    Command(kIdNextPane);
  }
}

TEST_F(PrintingTest, PreviewOpensForTheActiveImagePane) {
  auto* document = dynamic_cast<CKEPDoc*>(NewDocument(0));
  FourPaneFrame& frame = *FrameOf(document);
  frame.ActivatePane(*frame.Pane(FourPaneFrame::kLowerLeft));

  Command(wxID_PREVIEW);

  wxPreviewFrame* preview = OpenPreview();
  ASSERT_TRUE(preview != nullptr);
  EXPECT_TRUE(preview->IsShown());
  preview->Close(true);
  PumpUntil([] { return OpenPreview() == nullptr; });
}

TEST_F(PrintingTest, APrintedPanePaintsWhatItShows) {
  auto* document = dynamic_cast<CKEPDoc*>(NewDocument(0));
  document->m_leftImage.Create(2, 1, 1);
  document->m_leftImage.SetPixel(1, 0, 255);
  auto& pane = dynamic_cast<CanvasPane&>(*FrameOf(document)->Pane(FourPaneFrame::kLowerLeft));
  const wxSize size = pane.GetClientSize();

  wxBitmap page(size.x + 10, size.y + 10, 24);
  wxMemoryDC dc(page);
  dc.SetBackground(*wxBLUE_BRUSH);
  dc.Clear();
  pane.PaintForPrinting(dc);
  dc.SelectObject(wxNullBitmap);

  const wxImage printed = page.ConvertToImage();
  EXPECT_EQ(printed.GetRed(1, 1), 0);
  EXPECT_EQ(printed.GetBlue(1, 1), 0);
  EXPECT_EQ(printed.GetRed(size.x - 2, size.y - 2), 255);
  EXPECT_EQ(printed.GetBlue(size.x + 5, size.y + 5), 255) << "outside the pane's picture";
}

}  // namespace
}  // namespace kep::test
