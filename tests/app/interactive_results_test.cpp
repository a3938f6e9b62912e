// What an interactive window tells beside the dimension: the interval, why a
// calculation found none, the local dimensions and the particle table; and a
// long calculation cancelled from its progress window.

#include <wx/clipbrd.h>
#include <wx/listctrl.h>
#include <nlohmann/json.hpp>

#include "app/four_pane_frame.h"
#include "app/progress_window.h"
#include "app/table_pane.h"
#include "app/table_window.h"
#include "fractal/three_decimal.h"
#include "interactive_window.h"
#include "resources/command_ids.h"
#include "support/run_program.h"
#include "support/shape_images.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

class InteractiveResultsTest : public InteractiveWindowTest {
 protected:
  wxString StatusText() const { return App().MainFrame().GetStatusBar()->GetStatusText(0); }

  TableWindow* Table(const wxString& name) const {
    for (wxWindow* child : FrameOf(m_document)->GetChildren()) {
      auto* table = dynamic_cast<TableWindow*>(child);
      if (table && table->Pane().Name() == name) return table;
    }
    return nullptr;
  }

  // The list's column title clicked, as the mouse would.
  static void ClickColumn(wxListCtrl& list, int column) {
    wxListEvent click(wxEVT_LIST_COL_CLICK, list.GetId());
    click.SetColumn(column);
    click.SetEventObject(&list);
    list.GetEventHandler()->ProcessEvent(click);
    PumpEvents();
  }

  static void PressCtrlC(wxWindow& window) {
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = 'C';
    key.m_controlDown = true;
    key.SetEventObject(&window);
    window.GetEventHandler()->ProcessEvent(key);
  }

  static wxString Clipboard() {
    wxTextDataObject text;
    EXPECT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->GetData(text);
    wxTheClipboard->Close();
    return text.GetText();
  }
};

std::string Cli(const std::vector<std::string>& args) { return RunProgram(KEP_CLI_PATH, args).out; }

// kep-cli's comma-separated table as tab-separated text.
wxString Tabbed(std::string csv) {
  std::replace(csv.begin(), csv.end(), ',', '\t');
  return wxString::FromUTF8(csv);
}

// Discs of four sizes, bright on dark, and a dot too small to measure.
std::string WriteDiscs(const TempDir& dir) {
  const Shape shapes[] = {Disc(50, 50, 40), Disc(150, 50, 25), Disc(50, 150, 12),
                          Disc(150, 150, 33), Disc(99, 99, 1)};
  const auto inAny = [&](std::int32_t x, std::int32_t y) {
    return std::any_of(std::begin(shapes), std::end(shapes),
                       [&](const Shape& shape) { return shape(x, y); });
  };
  return dir.Write("discs.bmp", ShapeBitmap(200, 200, inAny));
}

TEST_F(InteractiveResultsTest, TheResultTellsItsIntervalItsReasonAndItsTablesAsTheCommandLine) {
  const std::string island = SamplePath("koch-island-8bit.bmp");
  Load(island);
  ChooseMethod(2);
  Click(kIdCalculateFD);
  const nlohmann::json cli =
      nlohmann::json::parse(Cli({"measure", "--method", "2", "--json", island}));
  EXPECT_EQ(Output().m_fdText, ThreeDecimal(cli["fd"].get<double>()));
  EXPECT_EQ(Output().m_intervalText, "95 % interval: 1.438 to 1.543 (n = 23)");
  EXPECT_EQ(StatusText(), "");

  // One local dimension between each two points of the fit, by their x.
  Command(kIdLocalDimensions);
  ASSERT_TRUE(Table("Local Dimensions") != nullptr);
  const TableContents& local = Table("Local Dimensions")->Pane().Table();
  EXPECT_EQ(local.columns,
            (std::vector<wxString>{"From Box Size", "To Box Size", "Local Dimension"}));
  ASSERT_EQ(local.rows.size(), cli["local_dimensions"].size());
  EXPECT_EQ(local.rows[0], (std::vector<wxString>{"8", "9", "1.3237287861684313"}));
  EXPECT_EQ(local.rows[16][2], "-0");

  // Every particle on its own, as kep-cli particles lists them, sorted and copied.
  TempDir dir;
  const std::string discs = WriteDiscs(dir);
  Load(discs);
  EXPECT_TRUE(local.rows.empty()) << "the table follows the result";
  ChooseMethod(2);
  Click(kIdCalculateFD);
  Command(kIdParticles);
  TableWindow* particles = Table("Particles");
  ASSERT_TRUE(particles != nullptr);
  TablePane& pane = particles->Pane();
  const std::string csv = Cli({"particles", "--method", "2", discs});
  EXPECT_EQ(TabSeparated(pane.Table(), pane.ShownOrder()), Tabbed(csv));
  const std::size_t count = pane.Table().rows.size();
  ASSERT_GE(count, 3u);

  wxListCtrl& list = pane.List();
  ASSERT_EQ(list.GetColumnCount(), 16);
  EXPECT_EQ(list.GetItemCount(), static_cast<int>(count));
  const int area = 5;
  ClickColumn(list, area);
  ClickColumn(list, area);
  for (std::size_t row = 1; row < count; ++row) {
    EXPECT_GE(std::stod(list.GetItemText(static_cast<long>(row - 1), area).ToStdString()),
              std::stod(list.GetItemText(static_cast<long>(row), area).ToStdString()));
  }
  list.SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
  list.SetItemState(2, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
  PressCtrlC(*particles);
  const TableContents& table = pane.Table();
  EXPECT_EQ(Clipboard(), TabSeparated(table, {pane.ShownOrder()[0], pane.ShownOrder()[2]}));
  EXPECT_TRUE(Clipboard().StartsWith("particle\tleft\ttop\t"));

  // A calculation without a dimension says why, until another result stands.
  Load(island);
  ChooseMethod(2);
  Type(kIdParam1, "5000");
  Type(kIdParam2, "5001");
  Click(kIdCalculateFD);
  EXPECT_EQ(TakeMessages(), std::vector<wxString>{"Sorry! I can't Calculate Fractal Dimension!"});
  PumpEvents();
  EXPECT_EQ(StatusText(),
            "no dimension: the method gave 2 points with x and y above 0 in the "
            "fit range; a fit needs at least 4");
  EXPECT_EQ(Output().m_intervalText, "");
  // The open particle table was measured along with the calculation.
  EXPECT_EQ(TabSeparated(pane.Table(), pane.ShownOrder()),
            Tabbed(Cli({"particles", "--method", "2", "--params", "5000", "5001", "1", island})));
  ChooseMethod(3);
  PumpEvents();
  EXPECT_EQ(StatusText(), "");

  // The tables close with their document's window, and the document with them.
  FrameOf(m_document)->Close();
  PumpEvents();
  EXPECT_TRUE(App().DocManager().GetDocumentsVector().empty());
}

TEST_F(InteractiveResultsTest, ACancelledCalculationLeavesTheWindowAsItWas) {
  TempDir dir;
  Load(WriteLargeNoise(dir, "noise.bmp"));
  ChooseMethod(0);
  const Bytes right(Doc().m_rightImage.Data(),
                    Doc().m_rightImage.Data() + Doc().m_rightImage.ByteCount());
  Dialogs().whileInProgress = PressEscape;
  Click(kIdCalculateFD);
  EXPECT_EQ(Dialogs().progressSteps, std::vector<wxString>{"Measuring noise.bmp with Dilation"});
  EXPECT_EQ(Output().m_fdText, "No fractal dimension yet!");
  EXPECT_EQ(Doc().m_rightPaneMode, kRightPaneImage);
  EXPECT_TRUE(std::equal(right.begin(), right.end(), Doc().m_rightImage.Data()));
  EXPECT_FALSE(Doc().HasCalculation());
  EXPECT_EQ(StatusText(), "");
  EXPECT_TRUE(Form().IsEnabled());
}

}  // namespace
}  // namespace kep::test
