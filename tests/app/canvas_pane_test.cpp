#include <chrono>
#include <functional>

#include <wx/dcmemory.h>
#include <wx/settings.h>

#include "app/canvas_pane.h"
#include "app/four_pane_frame.h"
#include "interactive/image_l_view.h"
#include "interactive/image_r_view.h"
#include "interactive/kep_doc.h"
#include "test_app.h"

namespace kep::test {
namespace {

class CanvasPaneTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    m_document = dynamic_cast<CKEPDoc*>(NewDocument(0));
    ASSERT_TRUE(m_document != nullptr);
  }

  CanvasPane& PaneAt(FourPaneFrame::PaneIndex index) {
    return *dynamic_cast<CanvasPane*>(FrameOf(m_document)->Pane(index));
  }

  CKEPDoc* m_document = nullptr;
};

Rgb WindowColour() {
  const wxColour colour = wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW);
  return {colour.Red(), colour.Green(), colour.Blue()};
}

bool AllPixels(const RasterCanvas& picture, const std::function<bool(Rgb)>& test) {
  for (std::int32_t y = 0; y < picture.Height(); ++y) {
    for (std::int32_t x = 0; x < picture.Width(); ++x) {
      if (!test(picture.PixelAt(x, y))) return false;
    }
  }
  return true;
}

void SetGrey(ImageBuffer& image, std::int32_t width, std::int32_t height,
             std::initializer_list<std::uint8_t> pixels) {
  image.Create(width, height, 1);
  auto value = pixels.begin();
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) image.SetPixel(x, y, *value++);
  }
}

// The pane with the keyboard is framed in the selection colour.
TEST_F(CanvasPaneTest, ThePaneWithTheKeyboardShowsAFocusMark) {
  CanvasPane& left = PaneAt(FourPaneFrame::kLowerLeft);
  const auto edgePixel = [&] {
    wxBitmap bitmap(left.GetClientSize());
    wxMemoryDC dc(bitmap);
    left.Paint(dc);
    dc.SelectObject(wxNullBitmap);
    const wxImage image = bitmap.ConvertToImage();
    return wxColour(image.GetRed(0, 50), image.GetGreen(0, 50), image.GetBlue(0, 50));
  };
  const wxColour highlight = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
  EXPECT_EQ(edgePixel(), *wxWHITE);
  left.SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return left.HasFocus(); }));
  EXPECT_EQ(edgePixel(), highlight);
}

TEST_F(CanvasPaneTest, BeforeALoadTheLeftPaneIsWhiteAndTheRightOneBlank) {
  auto left = PaneAt(FourPaneFrame::kLowerLeft).RenderPicture();
  auto right = PaneAt(FourPaneFrame::kLowerRight).RenderPicture();
  ASSERT_GT(left->Raster().Width(), 0);
  EXPECT_TRUE(AllPixels(left->Raster(), [](Rgb pixel) { return pixel == kWhite; }));
  EXPECT_TRUE(AllPixels(right->Raster(), [](Rgb pixel) { return pixel == WindowColour(); }));
}

TEST_F(CanvasPaneTest, ImagesAreStretchedOverTheWholePane) {
  SetGrey(m_document->m_leftImage, 2, 1, {0, 255});
  SetGrey(m_document->m_rightImage, 1, 2, {255, 0});
  m_document->UpdateAllViews();

  auto left = PaneAt(FourPaneFrame::kLowerLeft).RenderPicture();
  const RasterCanvas& l = left->Raster();
  EXPECT_EQ(l.PixelAt(0, 0), kBlack);
  EXPECT_EQ(l.PixelAt(l.Width() / 2 - 1, l.Height() - 1), kBlack);
  EXPECT_EQ(l.PixelAt(l.Width() / 2 + 1, 0), kWhite);
  EXPECT_EQ(l.PixelAt(l.Width() - 1, l.Height() - 1), kWhite);

  auto right = PaneAt(FourPaneFrame::kLowerRight).RenderPicture();
  const RasterCanvas& r = right->Raster();
  EXPECT_EQ(r.PixelAt(r.Width() - 1, r.Height() / 2 - 1), kWhite);
  EXPECT_EQ(r.PixelAt(0, r.Height() / 2 + 1), kBlack);
}

TEST_F(CanvasPaneTest, LiveDrawingIsShownAtOnceAndStaysUntilTheNextUpdate) {
  CanvasPane& pane = PaneAt(FourPaneFrame::kLowerRight);
  int paints = 0;
  pane.Bind(wxEVT_PAINT, [&](wxPaintEvent& event) {
    ++paints;
    event.Skip();
  });

  DrawContext& live = pane.BeginLiveDrawing();
  live.SelectPen(kRed);
  live.MoveTo(0, 5);
  live.LineTo(20, 5);
  live.Flush();
  EXPECT_EQ(paints, 1) << "Flush repaints without waiting for the event loop";

  // Drawing for longer than 50 ms without a Flush reaches the screen as well.
  const auto start = std::chrono::steady_clock::now();
  while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(120)) {
    live.SetPixel(30, 30, kRed);
  }
  EXPECT_GE(paints, 2);

  pane.Refresh();
  PumpEvents();
  auto* picture = dynamic_cast<ScreenCanvas*>(&pane.BeginLiveDrawing());
  ASSERT_TRUE(picture != nullptr);
  EXPECT_EQ(picture->Raster().PixelAt(10, 5), kRed) << "a repaint keeps the live drawing";

  m_document->UpdateAllViews();
  picture = dynamic_cast<ScreenCanvas*>(&pane.BeginLiveDrawing());
  EXPECT_EQ(picture->Raster().PixelAt(10, 5), WindowColour()) << "an update ends it";
}

using ProjectPanesTest = AppTest;

// Nothing above the first line of each pane's "no result" texts, something below.
TEST_F(ProjectPanesTest, EmptyProjectPanesShowTheirTexts) {
  FourPaneFrame* frame = FrameOf(NewDocument(1));
  ASSERT_TRUE(frame != nullptr);
  const std::pair<FourPaneFrame::PaneIndex, std::int32_t> firstTextRows[] = {
      {FourPaneFrame::kLowerLeft, 30}, {FourPaneFrame::kUpper, 50}, {FourPaneFrame::kLowerRight, 50}};
  for (const auto& [index, firstTextRow] : firstTextRows) {
    auto picture = dynamic_cast<CanvasPane*>(frame->Pane(index))->RenderPicture();
    const RasterCanvas& raster = picture->Raster();
    bool above = false;
    bool below = false;
    for (std::int32_t y = 0; y < raster.Height(); ++y) {
      for (std::int32_t x = 0; x < raster.Width(); ++x) {
        if (raster.PixelAt(x, y) != WindowColour()) (y < firstTextRow ? above : below) = true;
      }
    }
    EXPECT_FALSE(above) << index;
    EXPECT_TRUE(below) << index;
  }
}

}  // namespace
}  // namespace kep::test
