// Calculate FD in an interactive window: the same numbers as kep-cli for every
// method, how the result is shown, how a failure is told, and the animation.

#include <array>

#include <wx/button.h>
#include <nlohmann/json.hpp>

#include "app/canvas_pane.h"
#include "app/four_pane_frame.h"
#include "fractal/method_table.h"
#include "fractal/three_decimal.h"
#include "interactive_window.h"
#include "project/measurement.h"
#include "support/fake_services.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

using InteractiveCalculationTest = InteractiveWindowTest;

std::vector<SeriesPoint> PointsOf(const PointSeries& series) {
  return {series.begin(), series.end()};
}

wxArrayString RowsOf(const PointSeries& series) {
  wxArrayString rows;
  for (const SeriesPoint& point : series) rows.Add(COutputForm::DataRow(point.x, point.y));
  return rows;
}

// For every method: right after loading, the loaded picture is measured as
// kep-cli measures the file; after Get Edge and Swap, the outline picture is
// measured as the engine measures it, and its outlines replace the right image.
TEST_F(InteractiveCalculationTest, EveryMethodGivesTheNumbersOfTheCommandLine) {
  const std::string island = SamplePath("koch-island-8bit.bmp");
  for (int method = 0; method < kMethodCount; ++method) {
    SCOPED_TRACE(kMethods[method].cliName);
    Load(island);
    ChooseMethod(method);
    Click(kIdCalculateFD);
    const std::array<std::int32_t, 3> params = {Doc().m_param1, Doc().m_param2, Doc().m_param3};
    const ProgramResult cli =
        RunProgram(KEP_CLI_PATH, {"measure", "--method", std::to_string(method), "--params",
                                  std::to_string(params[0]), std::to_string(params[1]),
                                  std::to_string(params[2]), "--json", island});
    const nlohmann::json expected = nlohmann::json::parse(cli.out);
    EXPECT_EQ(Doc().m_fractalDimension, expected["fd"].get<double>());
    // A failed calculation leaves no points.
    std::vector<SeriesPoint> points;
    if (expected["fd"].get<double>() >= 0.0) {
      for (const auto& point : expected["points"]) points.push_back({point[0], point[1]});
    }
    EXPECT_EQ(PointsOf(Doc().m_resultSeries), points);
    if (Doc().m_fractalDimension < 0.0) TakeMessages();

    Click(kIdGetEdge);
    Click(kIdSwap);
    ImageBuffer outlines;
    outlines.CopyFrom(Doc().m_leftImage);
    Click(kIdCalculateFD);
    MeasureWorkspace workspace;
    const MeasureResult direct =
        MeasureImage(workspace, outlines, {.method = static_cast<std::uint32_t>(method), .params = params},
                     {.keepOutline = true});
    EXPECT_EQ(Doc().m_fractalDimension, direct.dimension);
    EXPECT_EQ(Doc().m_rightPaneMode, kRightPanePlot);
    if (direct.HasDimension()) {
      EXPECT_EQ(PointsOf(Doc().m_resultSeries), PointsOf(direct.points));
      EXPECT_EQ(Rows(), RowsOf(direct.points));
      EXPECT_EQ(Output().m_fdText, ThreeDecimal(direct.dimension));
      EXPECT_EQ(Doc().m_rightImage.ByteCount(), direct.outline->ByteCount());
      EXPECT_TRUE(std::equal(Doc().m_rightImage.Data(),
                             Doc().m_rightImage.Data() + Doc().m_rightImage.ByteCount(),
                             direct.outline->Data()));
    } else {
      EXPECT_EQ(TakeMessages(),
                std::vector<wxString>{"Sorry! I can't Calculate Fractal Dimension!"});
      EXPECT_EQ(Doc().m_resultSeries.Count(), 0);
    }
  }
}

int RedPixels(CanvasPane& pane) {
  auto picture = pane.RenderPicture();
  int red = 0;
  for (std::int32_t y = 0; y < picture->Raster().Height(); ++y) {
    for (std::int32_t x = 0; x < picture->Raster().Width(); ++x)
      red += picture->Raster().PixelAt(x, y) == kRed;
  }
  return red;
}

// Loading, failing to load, another method and a failed calculation each leave
// the result pane and the plot with nothing of the result before.
TEST_F(InteractiveCalculationTest, TheResultShownAlwaysBelongsToTheImageAndMethodShown) {
  auto& plot = *dynamic_cast<CanvasPane*>(FrameOf(&Doc())->Pane(FourPaneFrame::kLowerRight));
  const wxArrayString noRows(1, "No result can be used to fit!");
  const auto expectCleared = [&](const char* after) {
    EXPECT_EQ(Output().m_fdText, "No fractal dimension yet!") << after;
    EXPECT_EQ(Rows(), noRows) << after;
    EXPECT_EQ(RedPixels(plot), 0) << after;
  };
  const auto calculate = [&] {
    Click(kIdCalculateFD);
    ASSERT_EQ(Doc().m_rightPaneMode, kRightPanePlot);
    ASSERT_GT(RedPixels(plot), 0);
    ASSERT_NE(Output().m_fdText, "No fractal dimension yet!");
  };
  Load(SamplePath("koch-island-8bit.bmp"));
  ChooseMethod(2);
  calculate();
  const wxArrayString rows = Rows();
  ASSERT_EQ(rows.size(), 23u);
  EXPECT_EQ(Output().m_yHeading, "Box Count");
  EXPECT_EQ(rows[0], COutputForm::DataRow(Doc().m_resultSeries[0].x, Doc().m_resultSeries[0].y));
  EXPECT_EQ(COutputForm::DataRow(8, 120), wxString(' ', 24) + "8" + wxString(' ', 19) +
                                              wxString(' ', 26) + "120" + wxString(' ', 7));
  ChooseMethod(3);
  expectCleared("another method");

  calculate();
  Load(SamplePath("disc-8bit.bmp"));
  expectCleared("another image");

  calculate();
  TempDir dir;
  Load(dir.Write("broken.bmp", {'B', 'M'}));
  EXPECT_EQ(TakeMessages().size(), 1u);
  EXPECT_EQ(TextOf(kIdFileName), "No File Selected");
  expectCleared("a failed load");

  // Boxes larger than the island: too few points for a fit.
  Load(SamplePath("koch-island-8bit.bmp"));
  ChooseMethod(2);
  calculate();
  Type(kIdParam1, "5000");
  Type(kIdParam2, "5001");
  Click(kIdCalculateFD);
  EXPECT_EQ(TakeMessages(), std::vector<wxString>{"Sorry! I can't Calculate Fractal Dimension!"});
  EXPECT_EQ(Doc().m_rightPaneMode, kRightPanePlot);
  expectCleared("a failed calculation");
}

// A clock that, at its first reading, while the calculation pauses, notes the
// dimension shown and clicks a command; it moves one second at every reading.
class ClickingClock final : public Clock {
 public:
  ClickingClock(wxWindow& button, const wxString& shown) : m_button(button), m_shown(shown) {}
  std::int64_t NowSeconds() override {
    if (readings++ == 0) {
      shownMeanwhile = m_shown;
      wxCommandEvent click(wxEVT_BUTTON, m_button.GetId());
      click.SetEventObject(&m_button);
      m_button.ProcessWindowEvent(click);
    }
    return readings;
  }
  int readings = 0;
  wxString shownMeanwhile;

 private:
  wxWindow& m_button;
  const wxString& m_shown;
};

TEST_F(InteractiveCalculationTest, AnimationDrawsIntoTheRightPaneWhileNoOtherCommandRuns) {
  Load(SamplePath("koch-island-8bit.bmp"));
  ChooseMethod(2);
  Click(kIdCalculateFD);
  const double unanimated = Doc().m_fractalDimension;

  auto& right = *dynamic_cast<CanvasPane*>(FrameOf(&Doc())->Pane(FourPaneFrame::kLowerRight));
  int paints = 0;
  right.Bind(wxEVT_PAINT, [&](wxPaintEvent& event) {
    ++paints;
    event.Skip();
  });
  // Were the click not refused, it would ask for a file without a scripted answer.
  ClickingClock clock(*Form().FindWindow(kIdLoadFile), Output().m_fdText);
  ScopedClock useClock(clock);
  SetAnimate(true);
  Click(kIdCalculateFD);

  EXPECT_EQ(Doc().m_fractalDimension, unanimated);
  EXPECT_EQ(clock.shownMeanwhile, "No fractal dimension yet!") << "nothing of the result before";
  EXPECT_GE(clock.readings, 2 * 23) << "a pause of one second per box size";
  EXPECT_GE(paints, 23) << "every step reaches the screen";
  EXPECT_EQ(Doc().m_rightPaneMode, kRightPanePlot);
  EXPECT_TRUE(Form().IsEnabled());
}

}  // namespace
}  // namespace kep::test
