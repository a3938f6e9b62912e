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
    std::vector<SeriesPoint> points;
    for (const auto& point : expected["points"]) points.push_back({point[0], point[1]});
    EXPECT_EQ(PointsOf(Doc().m_resultSeries), points);
    if (Doc().m_fractalDimension < 0.0) TakeMessages();

    Click(kIdGetEdge);
    Click(kIdSwap);
    ImageBuffer outlines;
    outlines.CopyFrom(Doc().m_leftImage);
    Click(kIdCalculateFD);
    MeasureWorkspace workspace;
    const MeasureResult direct = MeasureImage(
        workspace, outlines, {static_cast<std::uint32_t>(method), params, 255, std::nullopt},
        {.keepOutline = true});
    EXPECT_EQ(Doc().m_fractalDimension, direct.dimension);
    EXPECT_EQ(PointsOf(Doc().m_resultSeries), PointsOf(direct.points));
    EXPECT_EQ(Doc().m_rightPaneMode, kRightPanePlot);
    if (direct.HasDimension()) {
      EXPECT_EQ(Output().m_fdText, ThreeDecimal(direct.dimension));
      EXPECT_EQ(Doc().m_rightImage.ByteCount(), direct.outline->ByteCount());
      EXPECT_TRUE(std::equal(Doc().m_rightImage.Data(),
                             Doc().m_rightImage.Data() + Doc().m_rightImage.ByteCount(),
                             direct.outline->Data()));
    } else {
      EXPECT_EQ(TakeMessages(),
                std::vector<wxString>{"Sorry! I can't Calculate Fractal Dimension!"});
    }
    if (direct.points.Count() > 0) {
      EXPECT_EQ(Rows(), RowsOf(direct.points));
    }
  }
}

TEST_F(InteractiveCalculationTest, AFailedCalculationKeepsTheShownDimensionAndSwitchesToThePlot) {
  Click(kIdCalculateFD);
  EXPECT_EQ(TakeMessages(), (std::vector<wxString>{"Please Load an Image File!",
                                                   "Sorry! I can't Calculate Fractal Dimension!"}));
  EXPECT_EQ(Doc().m_rightPaneMode, kRightPanePlot);
  EXPECT_EQ(Output().m_fdText, "No fractal dimension yet!");

  Load(SamplePath("koch-island-8bit.bmp"));
  ChooseMethod(2);
  Click(kIdCalculateFD);
  const wxString shown = Output().m_fdText;
  const wxArrayString rows = Rows();
  ASSERT_EQ(rows.size(), 23u);
  EXPECT_EQ(Output().m_yHeading, "Box Count");
  EXPECT_EQ(rows[0], COutputForm::DataRow(Doc().m_resultSeries[0].x, Doc().m_resultSeries[0].y));
  EXPECT_EQ(COutputForm::DataRow(8, 120), wxString(' ', 24) + "8" + wxString(' ', 19) +
                                              wxString(' ', 26) + "120" + wxString(' ', 7));

  // Boxes larger than the island: too few points for a fit.
  Type(kIdParam1, "5000");
  Type(kIdParam2, "5001");
  Click(kIdCalculateFD);
  EXPECT_EQ(TakeMessages(), std::vector<wxString>{"Sorry! I can't Calculate Fractal Dimension!"});
  EXPECT_EQ(Output().m_fdText, shown);
  EXPECT_EQ(Doc().m_rightPaneMode, kRightPanePlot);
  EXPECT_EQ(Doc().m_fractalDimension, -1.0);
}

// A clock that clicks a command at its first reading, while the calculation
// pauses, and moves one second at every reading.
class ClickingClock final : public Clock {
 public:
  explicit ClickingClock(wxWindow& button) : m_button(button) {}
  std::int64_t NowSeconds() override {
    if (readings++ == 0) {
      wxCommandEvent click(wxEVT_BUTTON, m_button.GetId());
      click.SetEventObject(&m_button);
      m_button.ProcessWindowEvent(click);
    }
    return readings;
  }
  int readings = 0;

 private:
  wxWindow& m_button;
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
  ClickingClock clock(*Form().FindWindow(kIdLoadFile));
  ScopedClock useClock(clock);
  SetAnimate(true);
  Click(kIdCalculateFD);

  EXPECT_EQ(Doc().m_fractalDimension, unanimated);
  EXPECT_GE(clock.readings, 2 * 23) << "a pause of one second per box size";
  EXPECT_GE(paints, 23) << "every step reaches the screen";
  EXPECT_EQ(Doc().m_rightPaneMode, kRightPanePlot);
  EXPECT_TRUE(Form().IsEnabled());
}

}  // namespace
}  // namespace kep::test
