// A project window driven as a user drives it: the file browser, the file list,
// the batch run with its report and messages, and the views of its results.

#include <filesystem>
#include <fstream>

#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include "app/app_settings.h"
#include "app/busy_scope.h"
#include "app/canvas_pane.h"
#include "app/export_commands.h"
#include "app/file_path.h"
#include "app/four_pane_frame.h"
#include "app/progress_window.h"
#include "app/table_pane.h"
#include "app/table_window.h"
#include "app/update_hint.h"
#include "interactive_window.h"
#include "project/ui/kep_project_doc.h"
#include "project/ui/multi_select_list_box.h"
#include "project/ui/project_input_form.h"
#include "project/ui/project_view.h"
#include "resources/command_ids.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

namespace fs = std::filesystem;

// Each test browses a home directory of its own, and starts there.
class ProjectWindowTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    setenv("HOME", m_home.Path().c_str(), 1);
    WriteSetting("Project Directory", wxString());
    m_document = dynamic_cast<CKepProjectDoc*>(NewDocument(1));
    ASSERT_TRUE(m_document != nullptr);
  }

  void TearDown() override {
    AppTest::TearDown();
    setenv("HOME", kep::test::Home().utf8_str(), 1);
  }

  wxString Home() const { return PathText(m_home.Path().string()); }

  CProjectInputForm& Form() const {
    return *dynamic_cast<CProjectInputForm*>(FrameOf(m_document)->Pane(FourPaneFrame::kForm));
  }
  CMultiSelectListBox& Listing() const { return *Form().m_dirList; }
  CMultiSelectListBox& Files() const { return *Form().m_fileList; }
  wxComboBox& Directories() const {
    return *dynamic_cast<wxComboBox*>(Form().FindWindow(kIdDirectory));
  }

  void Choose(int id, int index) {
    auto* choice = dynamic_cast<wxItemContainer*>(Form().FindWindow(id));
    choice->SetSelection(index);
    SendCommand(*Form().FindWindow(id), id == kIdDirectory ? wxEVT_COMBOBOX : wxEVT_CHOICE, index);
  }

  void Send(wxEventType type, int id) { SendCommand(*Form().FindWindow(id), type); }

  void TypeDirectory(const wxString& directory) {
    Directories().SetValue(directory);
    Send(wxEVT_TEXT_ENTER, kIdDirectory);
  }

  void DoubleClickListing(const wxString& entry) {
    Listing().SelectOnly(Listing().FindString(entry, true));
    Send(wxEVT_LISTBOX_DCLICK, kIdListing);
  }

  // Selects these entries of the listing and clicks "Add".
  void Add(std::initializer_list<const char*> entries) {
    Listing().SetSelection(wxNOT_FOUND);
    for (const char* entry : entries) Listing().SetSelection(Listing().FindString(entry, true));
    Send(wxEVT_BUTTON, kIdAdd);
  }

  // Puts the files into the project, as Add would.
  void SetFiles(const std::vector<std::string>& paths) {
    m_document->InsertFiles(paths);
    NotifyPanes(*m_document, Change::kFileList);
  }

  // Selects the entries of the file list as a click would.
  void SelectFiles(std::initializer_list<int> entries) {
    Files().ShowSelection(entries, *entries.begin());
    Send(wxEVT_LISTBOX, kIdFileList);
  }

  void RunTo(const std::string& report) {
    Dialogs().savePaths.push_back(PathText(report));
    Send(wxEVT_BUTTON, kIdProjectCalculateFD);
  }

  wxArrayString ListingEntries() const { return Listing().GetStrings(); }

  std::string HomeFile(const std::string& name) const { return (m_home.Path() / name).string(); }

  wxString StatusText() const {
    PumpEvents();
    return App().MainFrame().GetStatusBar()->GetStatusText(0);
  }

  TableWindow* SkippedFiles() const {
    for (wxWindow* child : FrameOf(m_document)->GetChildren()) {
      if (auto* table = dynamic_cast<TableWindow*>(child)) return table;
    }
    return nullptr;
  }

  TempDir m_home;
  CKepProjectDoc* m_document = nullptr;
};

wxArrayString Strings(std::initializer_list<const char*> texts) {
  wxArrayString strings;
  for (const char* text : texts) strings.Add(text);
  return strings;
}

void CopySample(const std::string& sample, const std::string& to) {
  fs::copy_file(SamplePath(sample), to, fs::copy_options::overwrite_existing);
}

// The browser starts in the home directory, later in the one used last; a
// directory can be typed (from the current one, or from "~"), and one that
// cannot be listed is named with the reason while the browser stays.
TEST_F(ProjectWindowTest, TheBrowserStartsAtHomeTakesTypedDirectoriesAndStaysWhereItCan) {
  EXPECT_EQ(Form().m_label1, "From Radius :");
  EXPECT_EQ(m_document->m_param2, 30);
  auto* types = dynamic_cast<wxChoice*>(Form().FindWindow(kIdFileType));
  EXPECT_EQ(types->GetStrings(), Strings({"Tiff (*.TIF)", "Bitmap (*.BMP)", "All Files(*.*)"}));
  EXPECT_EQ(Directories().GetStrings(), Strings({"[-/-]", "[-~-]", Home().utf8_str()}));
  EXPECT_EQ(Directories().GetSelection(), 2);
  EXPECT_EQ(Form().m_dirs.back(), Home());

  fs::create_directories(HomeFile("sub/deeper"));
  TypeDirectory("sub");
  EXPECT_EQ(Form().m_dirs.back(), PathText(HomeFile("sub")));
  EXPECT_EQ(ListingEntries(), Strings({"[..]", "[deeper]"}));
  TypeDirectory("~/sub/deeper");
  EXPECT_EQ(Form().m_dirs.back(), PathText(HomeFile("sub/deeper")));

  const std::string missing = HomeFile("missing");
  TypeDirectory(PathText(missing));
  EXPECT_EQ(TakeMessages(), std::vector<wxString>{missing + ": No such file or directory"});
  EXPECT_EQ(Form().m_dirs.back(), PathText(HomeFile("sub/deeper")));
  EXPECT_EQ(Directories().GetValue(), PathText(HomeFile("sub/deeper")));

  auto* second = dynamic_cast<CKepProjectDoc*>(NewDocument(1));
  auto& secondForm = *dynamic_cast<CProjectInputForm*>(FrameOf(second)->Pane(FourPaneFrame::kForm));
  EXPECT_EQ(secondForm.m_dirs.back(), PathText(HomeFile("sub/deeper"))) << "the last one used";
}

TEST_F(ProjectWindowTest, TheBrowserListsSortedFilteredEntriesAndMovesBetweenDirectories) {
  for (const char* name : {"b.tif", "A.TIF", "c.bmp", "notes.txt", ".hidden.tif"}) {
    std::ofstream(HomeFile(name)) << "x";
  }
  fs::create_directories(HomeFile("x.tif"));
  fs::create_directories(HomeFile("sub"));
  std::ofstream(HomeFile("x.tif/img")) << "x";

  Choose(kIdFileType, 0);
  EXPECT_EQ(ListingEntries(), Strings({"[..]", "[sub]", "[x.tif]", "A.TIF", "b.tif"}));
  Choose(kIdFileType, 2);
  EXPECT_EQ(ListingEntries(),
            Strings({"[..]", "[sub]", "[x.tif]", "A.TIF", "b.tif", "c.bmp", "notes.txt"}));

  DoubleClickListing("[x.tif]");
  EXPECT_EQ(Form().m_dirs.back(), PathText(HomeFile("x.tif")));
  EXPECT_EQ(ListingEntries(), Strings({"[..]", "img"}));
  DoubleClickListing("[..]");
  EXPECT_EQ(Form().m_dirs.back(), Home());
  DoubleClickListing("[..]");
  EXPECT_EQ(Form().m_dirs.back(), PathText(m_home.Path().parent_path().string()));

  // A directory that is gone by the time it is listed again is said so.
  Choose(kIdDirectory, 1);
  DoubleClickListing("[sub]");
  fs::remove(HomeFile("sub"));
  Choose(kIdFileType, 1);
  EXPECT_EQ(TakeMessages(),
            std::vector<wxString>{PathText(HomeFile("sub")) + ": No such file or directory"});
  EXPECT_TRUE(ListingEntries().empty());
}

// The file list shows each file's name first; the document keeps the paths.
TEST_F(ProjectWindowTest, AddInsertsAfterTheCaretNamesWhatItSkippedAndDeleteSelectsWhereItRemoved) {
  for (const char* name : {"one.bmp", "two.bmp", "three.bmp", "four.bmp", "five.bmp", "Six.bmp",
                           "six.BMP", "notes.txt"}) {
    std::ofstream(HomeFile(name)) << "x";
  }
  fs::create_directories(HomeFile("sub.bmp"));
  Choose(kIdFileType, 2);

  Add({"notes.txt", "[sub.bmp]", "one.bmp"});
  EXPECT_EQ(TakeMessages(),
            std::vector<wxString>{"File Type Error!  SKIP THIS FILE!\n[sub.bmp]\nnotes.txt"});
  Add({"two.bmp", "three.bmp", "four.bmp", "five.bmp"});
  Add({"Six.bmp", "six.BMP"});
  EXPECT_EQ(TakeMessages(),
            std::vector<wxString>{"File Already Selected! SKIP THIS FILE!\nsix.BMP"});
  ASSERT_EQ(m_document->m_files.size(), 6u);
  Add({"notes.txt", "one.bmp", "two.bmp", "three.bmp", "four.bmp", "five.bmp", "Six.bmp",
       "six.BMP"});
  EXPECT_EQ(TakeMessages(),
            std::vector<wxString>{"File Type Error!  SKIP THIS FILE!\nnotes.txt\n\n"
                                  "File Already Selected! SKIP THIS FILE!\nfive.bmp\nfour.bmp\n"
                                  "one.bmp\nSix.bmp\nsix.BMP\nthree.bmp\ntwo.bmp"});

  // With the caret on entry 1 of three, two more go to 2 and 3.
  SelectFiles({0, 1, 2, 3, 4, 5});
  Send(wxEVT_BUTTON, kIdDelete);
  EXPECT_TRUE(m_document->m_files.empty());
  Add({"one.bmp"});
  Add({"two.bmp"});
  Add({"three.bmp"});
  SelectFiles({1});
  Add({"four.bmp", "five.bmp"});
  const std::string home = m_home.Path().string();
  EXPECT_EQ(m_document->m_files[2], home + "/five.bmp") << "listing order: five before four";
  EXPECT_EQ(m_document->m_files[3], home + "/four.bmp");
  EXPECT_EQ(Files().GetString(3), wxString::FromUTF8("four.bmp \u2014 ") + PathText(home));
  EXPECT_EQ(Files().SelectedIndices(), std::vector<int>{3});

  SelectFiles({1, 3});
  Send(wxEVT_BUTTON, kIdDelete);
  EXPECT_EQ(m_document->m_files.size(), 3u);
  EXPECT_EQ(Files().SelectedIndices(), std::vector<int>{2});
  EXPECT_EQ(Files().GetCaretIndex(), 2);

  SelectFiles({0});
  Send(wxEVT_LISTBOX_DCLICK, kIdFileList);
  EXPECT_EQ(Files().GetCount(), 2u);
}

TEST_F(ProjectWindowTest, TheBatchRunWritesTheReportOfTheCommandLineAndShowsTheResults) {
  CopySample("koch-island-8bit.bmp", HomeFile("first.bmp"));
  CopySample("disc-8bit.bmp", HomeFile("second.Bmp"));
  CopySample("noisy-blobs-ii.tif", HomeFile("th\xe9rd.tif"));
  std::ofstream(HomeFile("broken.bmp")) << "BM";
  fs::create_directories(HomeFile("x.tif"));
  CopySample("disc-ii.tif", HomeFile("x.tif/img"));
  const std::vector<std::string> files = {HomeFile("first.bmp"), HomeFile("second.Bmp"),
                                          HomeFile("th\xe9rd.tif"), HomeFile("broken.bmp"),
                                          HomeFile("x.tif/img")};
  SetFiles(files);
  Choose(kIdProjectMethod, 2);
  dynamic_cast<wxTextCtrl*>(Form().FindWindow(kIdProjectParam2))->ChangeValue("25");

  // A run never starts on a value the fields cannot take.
  dynamic_cast<wxTextCtrl*>(Form().FindWindow(kIdProjectParam1))->ChangeValue("-1");
  Send(wxEVT_BUTTON, kIdProjectCalculateFD);
  EXPECT_EQ(TakeMessages(), std::vector<wxString>{"Please enter an integer between 1 and 10000."});
  dynamic_cast<wxTextCtrl*>(Form().FindWindow(kIdProjectParam1))->ChangeValue("8");

  const std::string report = HomeFile("report.txt");
  RunTo(report);

  EXPECT_EQ(TakeMessages(), (std::vector<wxString>{"Please Select Bitmap or TIFF",
                                                   "Please Select Bitmap or TIFF"}));
  std::vector<std::string> args = {
      "batch", "--report", HomeFile("cli.txt"), "--method", "2", "--params", "8", "25",
      "1",     "--plot",   HomeFile("cli.png")};
  args.insert(args.end(), files.begin(), files.end());
  RunProgram(KEP_CLI_PATH, args);
  EXPECT_EQ(ReadFileBytes(report), ReadFileBytes(HomeFile("cli.txt")));
  EXPECT_EQ(m_document->m_imageNumbers, (std::vector<double>{1.0, 3.0}));
  EXPECT_EQ(Files().SelectedIndices(), std::vector<int>{2}) << "the last measured file";
  EXPECT_EQ(Form().m_param2, 25) << "the parameters stay as typed";
  EXPECT_FALSE(m_document->IsModified());
  EXPECT_EQ(StatusText(),
            "Files: 2 measured, 0 gave no dimension, 3 skipped (View > Skipped Files)");
  Command(kIdSkippedFiles);
  ASSERT_TRUE(SkippedFiles() != nullptr);
  EXPECT_EQ(AccessibleName(SkippedFiles()->Pane().List()), "Skipped Files");
  EXPECT_EQ(SkippedFiles()->Pane().Table().rows,
            (std::vector<std::vector<wxString>>{
                {PathText(HomeFile("second.Bmp")), "Please Select Bitmap or TIFF"},
                {PathText(HomeFile("broken.bmp")), "the bitmap headers are cut short"},
                {PathText(HomeFile("x.tif/img")), "Please Select Bitmap or TIFF"}}));

  // The single-image plot shows the caret entry's own result: none for entry
  // 1, and still the third file's after the first leaves the list.
  auto& single = *dynamic_cast<CanvasPane*>(FrameOf(m_document)->Pane(FourPaneFrame::kLowerRight));
  const auto redPixels = [&] {
    auto picture = single.RenderPicture();
    int red = 0;
    for (std::int32_t y = 0; y < picture->Raster().Height(); ++y) {
      for (std::int32_t x = 0; x < picture->Raster().Width(); ++x)
        red += picture->Raster().PixelAt(x, y) == kRed;
    }
    return red;
  };
  const int thirdsPlot = redPixels();
  EXPECT_GT(thirdsPlot, 0);
  SelectFiles({1});
  EXPECT_EQ(redPixels(), 0);
  SelectFiles({0});
  Send(wxEVT_BUTTON, kIdDelete);
  SelectFiles({1});
  EXPECT_EQ(redPixels(), thirdsPlot);

  // The results leave as the report and the command line's plot have them.
  Command(wxID_COPY);
  wxTextDataObject copied;
  ASSERT_TRUE(wxTheClipboard->Open());
  wxTheClipboard->GetData(copied);
  wxTheClipboard->Close();
  const Bytes reportBytes = ReadFileBytes(report);
  std::string measuredLine(reportBytes.begin(), reportBytes.end());
  measuredLine = measuredLine.substr(measuredLine.find(HomeFile("th\xe9rd.tif")));
  measuredLine = measuredLine.substr(0, measuredLine.find('\r')) + "\n";
  EXPECT_EQ(PathBytes(copied.GetText()),
            "Image File Name\tFractal Dimension\n" + HomeFile("second.Bmp") + "\t\n" +
                measuredLine + HomeFile("broken.bmp") + "\t\n" + HomeFile("x.tif/img") + "\t\n");
  Dialogs().savePaths.push_back(PathText(HomeFile("plot")));
  Command(kIdExportPlot);
  EXPECT_EQ(ReadFileBytes(HomeFile("plot.png")), ReadFileBytes(HomeFile("cli.png")));

  // A report that cannot be written is named with its reason, and the results
  // stay; an empty list writes the header alone and clears them.
  const std::string missing = HomeFile("no such directory/report.txt");
  RunTo(missing);
  const std::vector<wxString> messages = TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].StartsWith(missing + ": ")) << messages[0];
  EXPECT_EQ(m_document->m_imageNumbers.size(), 2u);

  SelectFiles({0, 1, 2, 3});
  Send(wxEVT_BUTTON, kIdDelete);
  RunTo(report);
  EXPECT_EQ(ReadFileBytes(report).size(),
            std::string("\r\n\r\nImage File Name            \t Fractal Dimension (-1 means the "
                        "image is useless)\r\n")
                .size());
  EXPECT_TRUE(m_document->m_dimensions.empty());
}

// Cancelled from its progress window, a run leaves the results of the run
// before and writes no report; meanwhile the window stays open.
TEST_F(ProjectWindowTest, ACancelledRunKeepsThePreviousResultsAndWritesNoReport) {
  CopySample("koch-island-8bit.bmp", HomeFile("koch.bmp"));
  SetFiles({HomeFile("koch.bmp")});
  Choose(kIdProjectMethod, 0);
  RunTo(HomeFile("first.txt"));
  const std::vector<double> dimensions = m_document->m_dimensions;
  const wxString status = StatusText();
  ASSERT_EQ(dimensions.size(), 1u);

  // Noise measured without pre-processing takes seconds.
  for (const auto& [id, value] : {std::pair{kIdProjectBrightPercent, "100"},
                                  {kIdProjectMinParticleSize, "0"},
                                  {kIdProjectMinHoleSize, "0"}}) {
    dynamic_cast<wxTextCtrl*>(Form().FindWindow(id))->ChangeValue(value);
  }
  TempDir big;
  m_document->m_files.insert(m_document->m_files.begin(),
                             {WriteLargeNoise(big, "one.bmp"), WriteLargeNoise(big, "two.bmp")});
  NotifyPanes(*m_document, Change::kFileList);
  // A request to close the window while the run lasts is refused; Esc cancels.
  FourPaneFrame* frame = FrameOf(m_document);
  Dialogs().whileInProgress = [frame](ProgressWindow& progress) {
    wxCloseEvent close(wxEVT_CLOSE_WINDOW, frame->GetId());
    close.SetCanVeto(true);
    frame->ProcessWindowEvent(close);
    PressEscape(progress);
  };
  RunTo(HomeFile("second.txt"));
  EXPECT_EQ(TakeMessages(), std::vector<wxString>{kBusyCloseMessage});
  ASSERT_EQ(FrameOf(m_document), frame);
  EXPECT_EQ(Dialogs().progressSteps, std::vector<wxString>{"file 1 of 3: one.bmp"});
  EXPECT_FALSE(fs::exists(HomeFile("second.txt")));
  EXPECT_EQ(m_document->m_dimensions, dimensions);
  EXPECT_EQ(StatusText(), status);
  EXPECT_TRUE(Form().IsEnabled());
}

TEST_F(ProjectWindowTest, TheImagePaneKeepsTheAspectRatioAndShowsTheFirstFileWithoutASelection) {
  EXPECT_EQ(CProjectView::ImageRect({0, 0, 200, 200}, 400, 100), (Rect{0, 0, 200, 50}));
  EXPECT_EQ(CProjectView::ImageRect({10, 5, 210, 205}, 100, 400), (Rect{10, 5, 60, 205}));

  SetFiles({SamplePath("disc-mm.tif"), SamplePath("koch-island-8bit.bmp")});
  Files().ShowSelection({}, 1);
  Send(wxEVT_LISTBOX, kIdFileList);
  EXPECT_EQ(Files().SelectedIndices(), std::vector<int>{0});
  auto& image = *dynamic_cast<CanvasPane*>(FrameOf(m_document)->Pane(FourPaneFrame::kLowerLeft));
  image.RenderPicture();
  EXPECT_EQ(m_document->ImageFile(), SamplePath("disc-mm.tif"));
  EXPECT_EQ(m_document->m_image.Width(), 256);
}

}  // namespace
}  // namespace kep::test
