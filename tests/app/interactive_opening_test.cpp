// Image files opened as documents, from the command line, the Open command or a
// drop: loaded into a new interactive window as "Load File..." loads them, while
// the document keeps no file of its own. Paths are the file system's bytes,
// whatever their characters.

#include <filesystem>

#include <wx/dnd.h>

#include "app/file_path.h"
#include "app/four_pane_frame.h"
#include "interactive/input_form.h"
#include "interactive/kep_doc.h"
#include "interactive_window.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

using InteractiveOpeningTest = AppTest;

CKEPDoc* CurrentDocument() {
  return dynamic_cast<CKEPDoc*>(App().DocManager().GetCurrentDocument());
}

wxString FileNameShown(CKEPDoc* document) {
  return dynamic_cast<CInputForm*>(AppTest::FrameOf(document)->Pane(FourPaneFrame::kForm))
      ->m_fileName;
}

// The image loads once the program is running.
bool OpenOnCommandLine(const std::string& path) {
  const wxString argument = PathText(path);
  const bool opened = App().ProcessShellCommand(wxArrayString(1, &argument));
  PumpEvents();
  return opened;
}

TEST_F(InteractiveOpeningTest, AnImageOnTheCommandLineIsLoadedAndSavingNeverWritesOverIt) {
  const std::string image = SamplePath("disc-mm.tif");
  const auto imageSize = std::filesystem::file_size(image);
  ASSERT_TRUE(OpenOnCommandLine(image));

  CKEPDoc* document = CurrentDocument();
  ASSERT_TRUE(document != nullptr);
  EXPECT_EQ(FileNameShown(document), image);
  EXPECT_EQ(document->m_leftImage.Width(), 256);
  EXPECT_EQ(document->m_rightImage.Width(), 256);
  EXPECT_EQ(document->m_rightPaneMode, kRightPaneImage);
  EXPECT_TRUE(document->GetTitle().StartsWith("KEP"));
  EXPECT_EQ(App().DocManager().GetHistoryFile(0), image);

  const wxString saved = PathInHome("saved.kep");
  Dialogs().savePaths.push_back(saved);
  Command(wxID_SAVE);
  EXPECT_EQ(std::filesystem::file_size(saved.utf8_string()), 0u);
  EXPECT_EQ(std::filesystem::file_size(image), imageSize);
}

// Names in UTF-8 and names that are no UTF-8 at all; a missing image opens its
// window all the same, with the reason.
TEST_F(InteractiveOpeningTest, AnyNameOnTheCommandLineOpensAndAMissingImageSaysWhy) {
  TempDir dir;
  const Bytes disc = ReadFileBytes(SamplePath("disc-8bit.bmp"));
  for (const std::string name : {"caf\xc3\xa9.bmp", "caf\xe9 \xff.bmp"}) {
    const std::string path = dir.Write(name, disc);
    ASSERT_TRUE(OpenOnCommandLine(path)) << path;
    EXPECT_EQ(CurrentDocument()->m_leftImage.Width(), 256) << path;
    EXPECT_EQ(PathBytes(FileNameShown(CurrentDocument())), path);
  }

  const std::string missing = dir.File("missing.bmp");
  ASSERT_TRUE(OpenOnCommandLine(missing));
  EXPECT_EQ(TakeMessages(), std::vector<wxString>{missing + ": No such file or directory"});
  EXPECT_FALSE(CurrentDocument()->m_leftImage.IsLoaded());
  EXPECT_EQ(FileNameShown(CurrentDocument()), "No File Selected");

  App().DocManager().CloseDocuments(true);
  EXPECT_FALSE(OpenOnCommandLine(dir.File("missing.prj")));
  EXPECT_EQ(TakeMessages(),
            std::vector<wxString>{dir.File("missing.prj") + ": No such file or directory"});
  EXPECT_TRUE(App().DocManager().GetDocumentsVector().empty());
}

TEST_F(InteractiveOpeningTest, OpenAndTheRecentFilesLoadImagesAndGiveOtherFilesAnEmptyWindow) {
  Dialogs().openPaths.push_back(wxString::FromUTF8(SamplePath("koch-island-24bit.bmp")));
  Command(wxID_OPEN);
  ASSERT_TRUE(CurrentDocument() != nullptr);
  EXPECT_EQ(CurrentDocument()->m_leftImage.Height(), 256);

  App().DocManager().CloseDocuments(true);
  Command(wxID_FILE1);
  ASSERT_TRUE(CurrentDocument() != nullptr);
  EXPECT_EQ(CurrentDocument()->m_leftImage.Height(), 256);

  // ".Tif" does not pass Load File's test: the file is opened as a document.
  TempDir dir;
  const std::string other = dir.Write("picture.Tif", ReadFileBytes(SamplePath("disc-ii.tif")));
  Dialogs().openPaths.push_back(wxString::FromUTF8(other));
  Command(wxID_OPEN);
  EXPECT_FALSE(CurrentDocument()->m_leftImage.IsLoaded());
  EXPECT_EQ(CurrentDocument()->GetFilename(), wxString::FromUTF8(other));
}

TEST_F(InteractiveOpeningTest, ADroppedImageIsLoadedAndOtherDropsChangeNothing) {
  Dialogs().choices.push_back(0);
  Command(wxID_NEW);
  CKEPDoc* document = CurrentDocument();
  ASSERT_TRUE(document != nullptr);
  auto* files = dynamic_cast<wxFileDropTarget*>(FrameOf(document)->GetDropTarget());
  ASSERT_TRUE(files != nullptr);

  wxArrayString notImages;
  notImages.Add("/tmp/notes.txt");
  notImages.Add(wxString::FromUTF8(SamplePath("disc-8bit.bmp")) + ".png");
  EXPECT_FALSE(files->OnDropFiles(0, 0, notImages));
  EXPECT_EQ(FileNameShown(document), "No File Selected");

  wxArrayString withImage = notImages;
  withImage.Add(wxString::FromUTF8(SamplePath("noisy-blobs-ii.tif")));
  withImage.Add(wxString::FromUTF8(SamplePath("disc-8bit.bmp")));
  EXPECT_TRUE(files->OnDropFiles(0, 0, withImage));
  EXPECT_EQ(FileNameShown(document), withImage[2]);
  EXPECT_TRUE(document->m_leftImage.IsLoaded());
}

}  // namespace
}  // namespace kep::test
