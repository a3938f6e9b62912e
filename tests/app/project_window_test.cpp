// A project window driven as a user drives it: the file browser, the file list,
// the batch run with its report and messages, and the views of its results.

#include <filesystem>
#include <fstream>

#include <wx/choice.h>
#include <wx/stdpaths.h>

#include "app/canvas_pane.h"
#include "app/four_pane_frame.h"
#include "interactive_window.h"
#include "project/ui/kep_project_doc.h"
#include "project/ui/multi_select_list_box.h"
#include "project/ui/project_input_form.h"
#include "project/ui/project_view.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

namespace fs = std::filesystem;

// Each test browses a home directory of its own.
class ProjectWindowTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    setenv("HOME", m_home.Path().c_str(), 1);
    m_document = dynamic_cast<CKepProjectDoc*>(NewDocument(1));
    ASSERT_TRUE(m_document != nullptr);
  }

  void TearDown() override {
    AppTest::TearDown();
    setenv("HOME", kep::test::Home().utf8_str(), 1);
  }

  wxString Home() const { return wxString::FromUTF8(m_home.Path().string()); }

  CProjectInputForm& Form() const { return *m_document->m_pInputForm; }
  CMultiSelectListBox& Listing() const { return *Form().m_dirList; }
  CMultiSelectListBox& Files() const { return *Form().m_fileList; }

  void Choose(int id, int index) {
    auto* choice = dynamic_cast<wxChoice*>(Form().FindWindow(id));
    choice->SetSelection(index);
    SendCommand(*choice, wxEVT_CHOICE, index);
  }

  void Send(wxEventType type, int id) { SendCommand(*Form().FindWindow(id), type); }

  // The home directory, listed with the file type of that index.
  void BrowseHome(int fileType = 0) {
    Choose(kIdFileType, fileType);
    Choose(kIdDirectory, 1);
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

  wxArrayString ListingEntries() const { return Listing().GetStrings(); }

  std::string HomeFile(const std::string& name) const {
    return (fs::path(Home().utf8_string()) / name).string();
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

TEST_F(ProjectWindowTest, StartsWithItsValuesInTheProgramsDirectory) {
  EXPECT_EQ(Form().m_label1, "From Radius :");
  EXPECT_EQ(Form().m_param2, 30);
  EXPECT_EQ(m_document->m_param2, 30);
  auto* types = dynamic_cast<wxChoice*>(Form().FindWindow(kIdFileType));
  EXPECT_EQ(types->GetStrings(), Strings({"Tiff (*.TIF)", "Bitmap (*.BMP)", "All Files(*.*)"}));
  EXPECT_EQ(types->GetSelection(), 0);
  auto* directories = dynamic_cast<wxChoice*>(Form().FindWindow(kIdDirectory));
  const wxString program = wxStandardPaths::Get().GetExecutablePath().BeforeLast('/');
  EXPECT_EQ(directories->GetStrings(), Strings({"[-/-]", "[-~-]", program.utf8_str()}));
  EXPECT_EQ(directories->GetSelection(), 2);
  EXPECT_EQ(Form().m_dirs.back(), program);
  EXPECT_EQ(ListingEntries()[0], "[..]");
  EXPECT_FALSE(m_document->IsModified());
}

TEST_F(ProjectWindowTest, TheBrowserListsSortedFilteredEntriesAndMovesBetweenDirectories) {
  for (const char* name : {"b.tif", "A.TIF", "c.bmp", "notes.txt", ".hidden.tif"}) {
    std::ofstream(HomeFile(name)) << "x";
  }
  fs::create_directories(HomeFile("x.tif"));
  fs::create_directories(HomeFile("sub"));
  std::ofstream(HomeFile("x.tif/img")) << "x";

  BrowseHome();
  EXPECT_EQ(ListingEntries(), Strings({"[..]", "[sub]", "[x.tif]", "A.TIF", "b.tif"}));
  Choose(kIdFileType, 2);
  EXPECT_EQ(ListingEntries(),
            Strings({"[..]", "[sub]", "[x.tif]", "A.TIF", "b.tif", "c.bmp", "notes.txt"}));

  DoubleClickListing("[x.tif]");
  EXPECT_EQ(Form().m_dirs.back(), HomeFile("x.tif"));
  EXPECT_EQ(ListingEntries(), Strings({"[..]", "img"}));
  DoubleClickListing("[..]");
  EXPECT_EQ(Form().m_dirs.back(), Home());
  DoubleClickListing("[..]");
  EXPECT_EQ(Form().m_dirs.back(),
            wxString::FromUTF8(fs::path(Home().utf8_string()).parent_path().string()));

  // A directory that is gone by the time it is listed gives way to the root.
  BrowseHome(2);
  DoubleClickListing("[sub]");
  fs::remove(HomeFile("sub"));
  Choose(kIdFileType, 1);
  EXPECT_EQ(Form().m_dirs.back(), "/");
  auto* directories = dynamic_cast<wxChoice*>(Form().FindWindow(kIdDirectory));
  EXPECT_EQ(directories->GetStringSelection(), "/");
  EXPECT_NE(ListingEntries().Index("[tmp]"), wxNOT_FOUND);
}

TEST_F(ProjectWindowTest, AddInsertsAfterTheCaretAndDeleteSelectsWhereItRemoved) {
  for (const char* name : {"one.bmp", "two.bmp", "three.bmp", "four.bmp", "five.bmp", "Six.bmp",
                           "six.BMP", "notes.txt"}) {
    std::ofstream(HomeFile(name)) << "x";
  }
  fs::create_directories(HomeFile("sub.bmp"));
  BrowseHome(2);

  Add({"notes.txt", "[sub.bmp]", "one.bmp"});
  EXPECT_EQ(TakeMessages(), (std::vector<wxString>{"File Type Error!  SKIP THIS FILE!",
                                                   "File Type Error!  SKIP THIS FILE!"}));
  Add({"two.bmp", "three.bmp", "four.bmp", "five.bmp"});
  EXPECT_EQ(Files().GetCount(), 5u);
  Add({"Six.bmp", "six.BMP"});
  EXPECT_EQ(TakeMessages(), std::vector<wxString>{"File Already Selected! SKIP THIS FILE!"});
  Add({"six.BMP"});
  EXPECT_EQ(TakeMessages(), std::vector<wxString>{"File Already Selected! SKIP THIS FILE!"});

  // Six entries now; with the caret on entry 1 two more go to 2 and 3.
  Files().Clear();
  Add({"one.bmp"});
  Add({"two.bmp"});
  Add({"three.bmp"});
  Files().SelectOnly(1);
  Add({"four.bmp", "five.bmp"});
  const std::string home = Home().utf8_string();
  const auto entry = [&](int i) {
    return Files().GetString(static_cast<unsigned>(i)).utf8_string();
  };
  EXPECT_EQ(entry(2), home + "/five.bmp") << "listing order is sorted: five before four";
  EXPECT_EQ(entry(3), home + "/four.bmp");
  EXPECT_EQ(Files().SelectedIndices(), std::vector<int>{3});

  Files().SelectOnly(1);
  Files().SetSelection(3);
  Send(wxEVT_BUTTON, kIdDelete);
  EXPECT_EQ(Files().GetCount(), 3u);
  EXPECT_EQ(Files().SelectedIndices(), std::vector<int>{2});
  EXPECT_EQ(Files().GetCaretIndex(), 2);

  Files().SelectOnly(0);
  Send(wxEVT_LISTBOX_DCLICK, kIdFileList);
  EXPECT_EQ(Files().GetCount(), 2u);
}

TEST_F(ProjectWindowTest, TheBatchRunWritesTheReportOfTheCommandLineAndShowsTheResults) {
  CopySample("koch-island-8bit.bmp", HomeFile("first.bmp"));
  CopySample("disc-8bit.bmp", HomeFile("second.Bmp"));
  CopySample("noisy-blobs-ii.tif", HomeFile("third.tif"));
  std::ofstream(HomeFile("broken.bmp")) << "BM";
  fs::create_directories(HomeFile("x.tif"));
  CopySample("disc-ii.tif", HomeFile("x.tif/img"));
  const std::vector<std::string> files = {HomeFile("first.bmp"), HomeFile("second.Bmp"),
                                          HomeFile("third.tif"), HomeFile("broken.bmp"),
                                          HomeFile("x.tif/img")};
  for (const std::string& file : files) Files().Append(wxString::FromUTF8(file));
  Choose(kIdProjectMethod, 2);

  const std::string report = HomeFile("report.txt");
  Dialogs().savePaths.push_back(wxString::FromUTF8(report));
  Send(wxEVT_BUTTON, kIdProjectCalculateFD);

  EXPECT_EQ(TakeMessages(), (std::vector<wxString>{"Please Select Bitmap or TIFF",
                                                   "Please Select Bitmap or TIFF"}));
  std::vector<std::string> args = {"batch", "--report", HomeFile("cli.txt"), "--method", "2"};
  args.insert(args.end(), files.begin(), files.end());
  RunProgram(KEP_CLI_PATH, args);
  EXPECT_EQ(ReadFileBytes(report), ReadFileBytes(HomeFile("cli.txt")));
  EXPECT_EQ(m_document->m_imageNumbers, (std::vector<double>{1.0, 3.0}));
  EXPECT_EQ(m_document->m_series.size(), 2u);
  EXPECT_EQ(Files().SelectedIndices(), std::vector<int>{2}) << "the last measured file";
  EXPECT_EQ(Form().m_param1, 8) << "a run leaves the method's defaults in the parameters";
  EXPECT_FALSE(m_document->IsModified());

  // The single-image plot follows the caret by image number: entry 2 has the
  // second result, entry 1 none.
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
  EXPECT_GT(redPixels(), 0);
  Files().SelectOnly(1);
  EXPECT_EQ(redPixels(), 0);

  // A report that cannot be written is named with its reason, and the results
  // stay; an empty list writes the header alone and clears them.
  const std::string missing = HomeFile("no such directory/report.txt");
  Dialogs().savePaths.push_back(wxString::FromUTF8(missing));
  Send(wxEVT_BUTTON, kIdProjectCalculateFD);
  const std::vector<wxString> messages = TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].StartsWith(missing + ": ")) << messages[0];
  EXPECT_EQ(m_document->m_imageNumbers.size(), 2u);

  Files().Clear();
  Dialogs().savePaths.push_back(wxString::FromUTF8(report));
  Send(wxEVT_BUTTON, kIdProjectCalculateFD);
  EXPECT_EQ(ReadFileBytes(report).size(),
            std::string("\r\n\r\nImage File Name            \t Fractal Dimension (-1 means the "
                        "image is useless)\r\n")
                .size());
  EXPECT_TRUE(m_document->m_dimensions.empty());
}

TEST_F(ProjectWindowTest, TheImagePaneKeepsTheAspectRatioAndShowsTheFirstFileWithoutASelection) {
  EXPECT_EQ(CProjectView::ImageRect({0, 0, 200, 200}, 400, 100), (Rect{0, 0, 200, 50}));
  EXPECT_EQ(CProjectView::ImageRect({10, 5, 210, 205}, 100, 400), (Rect{10, 5, 60, 205}));

  Files().Append(wxString::FromUTF8(SamplePath("disc-mm.tif")));
  Files().Append(wxString::FromUTF8(SamplePath("disc-8bit.bmp")));
  auto& image = *dynamic_cast<CanvasPane*>(FrameOf(m_document)->Pane(FourPaneFrame::kLowerLeft));
  image.RenderPicture();
  EXPECT_EQ(Files().SelectedIndices(), std::vector<int>{0});
  EXPECT_EQ(m_document->m_image.Width(), 256);
}

}  // namespace
}  // namespace kep::test
