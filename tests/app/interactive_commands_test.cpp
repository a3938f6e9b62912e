// The commands of an interactive window on real sample pictures: what each does to
// the document's images, what the right pane shows, and what each says.

#include <wx/docview.h>

#include "app/canvas_pane.h"
#include "app/four_pane_frame.h"
#include "interactive/image_drop_target.h"
#include "interactive_window.h"
#include "preprocess/preprocess_sequence.h"
#include "preprocess/remove_regions.h"
#include "preprocess/threshold.h"
#include "project/image_reading.h"
#include "project/measurement.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

using InteractiveCommandsTest = InteractiveWindowTest;

bool SamePixels(const ImageBuffer& a, const ImageBuffer& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (std::int32_t y = 0; y < a.Height(); ++y) {
    for (std::int32_t x = 0; x < a.Width(); ++x) {
      if (a.GetPixel(x, y) != b.GetPixel(x, y)) return false;
    }
  }
  return true;
}

ImageBuffer Copy(const ImageBuffer& image) {
  ImageBuffer copy;
  copy.CopyFrom(image);
  return copy;
}

TEST_F(InteractiveCommandsTest, LoadFileResetsTheDocumentThenReadsByTheExactExtension) {
  const std::string blobs = SamplePath("noisy-blobs-8bit.bmp");
  Load(blobs);
  ImageBuffer expected;
  ASSERT_TRUE(ReadImage(blobs, expected).Loaded());
  EXPECT_EQ(TextOf(kIdFileName), blobs);
  EXPECT_TRUE(SamePixels(Doc().m_loadedImage, expected));
  EXPECT_TRUE(SamePixels(Doc().m_leftImage, expected));
  EXPECT_TRUE(SamePixels(Doc().m_rightImage, expected));
  EXPECT_EQ(Doc().m_rightPaneMode, kRightPaneImage);

  // The dialog's filter shows x.Tif, but only "TIF" and "tif" are read; the
  // document is reset all the same.
  TempDir dir;
  const std::string mixedCase = dir.Write("x.Tif", ReadFileBytes(SamplePath("disc-ii.tif")));
  Click(kIdHistogram);
  Load(mixedCase);
  EXPECT_EQ(TakeMessages(), std::vector<wxString>{"Please Select Bitmap or TIFF"});
  EXPECT_EQ(TextOf(kIdFileName), "No File Selected") << "no file has loaded";
  EXPECT_FALSE(Doc().m_loadedImage.IsLoaded());
  EXPECT_FALSE(Doc().m_leftImage.IsLoaded());
  EXPECT_EQ(Doc().m_rightPaneMode, kRightPaneImage);

  // A file the reader refuses says why, and leaves the panes empty.
  const std::string broken = dir.Write("broken.bmp", {'B', 'M', 1, 2});
  Load(broken);
  const std::vector<wxString> messages = TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].StartsWith(broken + ": ")) << messages[0];
  EXPECT_FALSE(Doc().m_rightImage.IsLoaded());

  Load(blobs);
  Dialogs().openPaths.push_back("");
  Click(kIdLoadFile);
  EXPECT_EQ(TextOf(kIdFileName), blobs) << "a cancelled dialog changes nothing";
  EXPECT_TRUE(Doc().m_leftImage.IsLoaded());
}

TEST_F(InteractiveCommandsTest, ToolsReadTheLeftImageAndWriteTheRightOne) {
  // Without an image every tool but Histogram does nothing, and Get Edge says so.
  for (int tool : {kIdThreshold, kIdDeleteSP, kIdFillHoles, kIdSwap}) Click(tool);
  Click(kIdGetEdge);
  EXPECT_EQ(TakeMessages(), std::vector<wxString>{"Can't get the edges of the picture"});

  Load(SamplePath("noisy-blobs-8bit.bmp"));
  const ImageBuffer original = Copy(Doc().m_leftImage);

  Click(kIdHistogram);
  EXPECT_EQ(Doc().m_rightPaneMode, kRightPaneHistogram);
  Click(kIdSwap);
  EXPECT_EQ(TakeMessages(),
            std::vector<wxString>{"Can't swap because the right side picture is histogram!"});

  Click(kIdThreshold);
  ImageBuffer thresholded;
  thresholded.Create(original.Width(), original.Height(), 1);
  ThresholdBright(thresholded, 10, 50, 255, original);
  thresholded.FillBorder(2, 0);
  EXPECT_EQ(Doc().m_rightPaneMode, kRightPaneImage);
  EXPECT_TRUE(SamePixels(Doc().m_rightImage, thresholded));
  EXPECT_TRUE(SamePixels(Doc().m_leftImage, original));

  Click(kIdSwap);
  Click(kIdSwap);
  EXPECT_TRUE(SamePixels(Doc().m_leftImage, original)) << "Swap twice restores both images";
  EXPECT_TRUE(SamePixels(Doc().m_rightImage, thresholded));
  Click(kIdSwap);

  Type(kIdMinParticleSize, "400");
  Click(kIdDeleteSP);
  ImageBuffer cleaned = Copy(thresholded);
  RemoveRegions(cleaned, 255, 0, 400, thresholded);
  EXPECT_TRUE(SamePixels(Doc().m_rightImage, cleaned));

  Click(kIdFillHoles);
  ImageBuffer filled = Copy(thresholded);
  RemoveRegions(filled, 0, 255, 300, thresholded);
  EXPECT_TRUE(SamePixels(Doc().m_rightImage, filled));

  // Get Edge prepares the left image as the batch does and shows the outlines.
  Click(kIdSwap);
  Click(kIdGetEdge);
  PreprocessSettings settings;
  settings.minParticleSize = 400;
  MeasureWorkspace workspace;
  ASSERT_EQ(PrepareOutlines(workspace, Doc().m_leftImage, 255, settings), std::nullopt);
  EXPECT_TRUE(SamePixels(Doc().m_rightImage, workspace.engine.outlineImage));
  EXPECT_EQ(Doc().m_rightPaneMode, kRightPaneImage);
}

TEST_F(InteractiveCommandsTest, TheRightPaneShowsTheHistogramOfTheLeftImageOrTheResultPlot) {
  Load(SamplePath("disc-8bit.bmp"));
  Click(kIdHistogram);
  auto& right = *dynamic_cast<CanvasPane*>(FrameOf(&Doc())->Pane(FourPaneFrame::kLowerRight));
  auto histogram = right.RenderPicture();
  const RasterCanvas& bars = histogram->Raster();
  // The disc picture has two grey levels: 0 (more pixels) reaches the top of the
  // plot area, 255 stands lower.
  const std::int32_t axis = bars.Height() - 20;
  EXPECT_EQ(bars.PixelAt(60, axis - 1), kRed);
  EXPECT_EQ(bars.PixelAt(60, 21), kRed);
  EXPECT_NE(bars.PixelAt(60 + (bars.Width() - 80) * 128 / 255, axis - 1), kRed);

  Click(kIdCalculateFD);
  EXPECT_EQ(Doc().m_rightPaneMode, kRightPanePlot);
  auto plot = right.RenderPicture();
  int red = 0;
  for (std::int32_t y = 0; y < plot->Raster().Height(); ++y) {
    for (std::int32_t x = 0; x < plot->Raster().Width(); ++x)
      red += plot->Raster().PixelAt(x, y) == kRed;
  }
  EXPECT_GE(red, Doc().m_resultSeries.Count()) << "a red cross per point";
}

}  // namespace
}  // namespace kep::test
