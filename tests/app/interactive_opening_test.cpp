// Image files opened as documents, from the command line, the Open command or a
// drop: loaded into a new interactive window as "Load File..." loads them, while
// the document keeps no file of its own.

#include <filesystem>

#include <wx/dnd.h>

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

TEST_F(InteractiveOpeningTest, AnImageOnTheCommandLineIsLoadedAndSavingNeverWritesOverIt) {
  const wxString image = wxString::FromUTF8(SamplePath("disc-mm.tif"));
  const auto imageSize = std::filesystem::file_size(image.utf8_string());
  ASSERT_TRUE(App().ProcessShellCommand(wxArrayString(1, &image)));

  CKEPDoc* document = CurrentDocument();
  ASSERT_TRUE(document != nullptr);
  EXPECT_EQ(document->m_pInputForm->m_fileName, image);
  EXPECT_EQ(document->m_leftImage.Width(), 256);
  EXPECT_EQ(document->m_rightImage.Width(), 256);
  EXPECT_EQ(document->m_loadedImage.Width(), 256);
  EXPECT_EQ(document->m_rightPaneMode, kRightPaneImage);
  EXPECT_TRUE(document->GetTitle().StartsWith("KEP"));
  EXPECT_EQ(App().DocManager().GetHistoryFile(0), image);

  const wxString saved = PathInHome("saved.kep");
  Dialogs().savePaths.push_back(saved);
  Command(wxID_SAVE);
  EXPECT_EQ(std::filesystem::file_size(saved.utf8_string()), 0u);
  EXPECT_EQ(std::filesystem::file_size(image.utf8_string()), imageSize);
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
  wxDropTarget* target = FrameOf(document)->GetDropTarget();
  auto* files = dynamic_cast<wxFileDropTarget*>(target);
  ASSERT_TRUE(files != nullptr);

  wxArrayString notImages;
  notImages.Add("/tmp/notes.txt");
  notImages.Add(wxString::FromUTF8(SamplePath("disc-8bit.bmp")) + ".png");
  EXPECT_FALSE(files->OnDropFiles(0, 0, notImages));
  EXPECT_EQ(document->m_pInputForm->m_fileName, "No File Selected");

  wxArrayString withImage = notImages;
  withImage.Add(wxString::FromUTF8(SamplePath("noisy-blobs-ii.tif")));
  withImage.Add(wxString::FromUTF8(SamplePath("disc-8bit.bmp")));
  EXPECT_TRUE(files->OnDropFiles(0, 0, withImage));
  EXPECT_EQ(document->m_pInputForm->m_fileName, withImage[2]);
  EXPECT_TRUE(document->m_leftImage.IsLoaded());
}

}  // namespace
}  // namespace kep::test
