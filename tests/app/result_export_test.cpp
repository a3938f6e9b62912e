// An interactive window's result carried out of the program: copied with what it
// was measured with, its plot written as kep-cli plot writes it, its points
// written as a table.

#include <wx/clipbrd.h>
#include <wx/menu.h>

#include "app/export_commands.h"
#include "app/four_pane_frame.h"
#include "fractal/three_decimal.h"
#include "interactive_window.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

using ResultExportTest = InteractiveWindowTest;

wxString ClipboardText() {
  wxTextDataObject text;
  if (!wxTheClipboard->Open()) return {};
  wxTheClipboard->GetData(text);
  wxTheClipboard->Close();
  return text.GetText();
}

TEST_F(ResultExportTest, CopyAndTheExportsCarryTheResultWithWhatItWasMeasuredWith) {
  wxMenuBar& menus = *FrameOf(&Doc())->GetMenuBar();
  const auto enabled = [&](int id) {
    menus.UpdateMenus();
    return menus.FindItem(id)->IsEnabled();
  };
  EXPECT_FALSE(enabled(wxID_COPY) || enabled(kIdExportPlot) || enabled(kIdExportPoints));

  const std::string island = SamplePath("koch-island-8bit.bmp");
  Load(island);
  ChooseMethod(2);
  Type(kIdParam2, "25");
  Click(kIdCalculateFD);
  ASSERT_TRUE(enabled(wxID_COPY) && enabled(kIdExportPlot) && enabled(kIdExportPoints));

  Command(wxID_COPY);
  wxString expected = "File\t" + wxString::FromUTF8(island) +
                      "\nMethod\tBox-Counting\nFrom Box Size\t8\nTo Box Size\t25\nStep Size\t1\n"
                      "Particle Brightness\t255\nFractal Dimension\t" +
                      ThreeDecimal(Doc().m_fractalDimension) + "\n\nBox Size\tBox Count\n";
  std::string csv = "Box Size,Box Count\n";
  for (const SeriesPoint& point : Doc().m_resultSeries) {
    expected += wxString::Format("%d\t%d\n", point.x, point.y);
    csv += std::to_string(point.x) + "," + std::to_string(point.y) + "\n";
  }
  EXPECT_EQ(ClipboardText(), expected);

  TempDir dir;
  RunProgram(KEP_CLI_PATH,
             {"plot", "--method", "2", "--params", "8", "25", "1", island, dir.File("cli.png")});
  Dialogs().savePaths.push_back(dir.File("plot"));
  Command(kIdExportPlot);
  EXPECT_EQ(ReadFileBytes(dir.File("plot.png")), ReadFileBytes(dir.File("cli.png")));
  Dialogs().savePaths.push_back(dir.File("plot.SVG"));
  Command(kIdExportPlot);
  const Bytes svg = ReadFileBytes(dir.File("plot.SVG"));
  EXPECT_EQ(std::string(svg.begin(), svg.begin() + std::min<std::size_t>(svg.size(), 5)), "<?xml");

  Dialogs().savePaths.push_back(dir.File("points"));
  Command(kIdExportPoints);
  EXPECT_EQ(ReadFileBytes(dir.File("points.csv")), Bytes(csv.begin(), csv.end()));
  Dialogs().savePaths.push_back(dir.File("no such directory/points.csv"));
  Command(kIdExportPoints);
  EXPECT_EQ(TakeMessages(), std::vector<wxString>{dir.File("no such directory/points.csv") +
                                                  ": No such file or directory"});

  // What was measured stays with the result when the fields change.
  Type(kIdParam2, "20");
  Command(wxID_COPY);
  EXPECT_EQ(ClipboardText(), expected);
}

}  // namespace
}  // namespace kep::test
