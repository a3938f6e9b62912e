#include <fstream>

#include <wx/fileconf.h>
#include <wx/menu.h>

#include "app/app_settings.h"
#include "test_app.h"

namespace kep::test {
namespace {

using RecentFilesTest = AppTest;

wxString FileLabelAt(const wxMenu& menu, size_t position) {
  return menu.FindItemByPosition(position)->GetItemLabel();
}

TEST_F(RecentFilesTest, KeepsTheEightNewestFilesNewestFirstUnderTheSettingsKey) {
  std::vector<wxString> paths;
  for (int i = 1; i <= 9; ++i) {
    paths.push_back(PathInHome(wxString::Format("recent-%d", i)));
    std::ofstream(paths.back().utf8_string()).flush();
    ASSERT_TRUE(App().DocManager().OpenDocumentFile(paths.back()));
  }
  // Opening a listed file again moves it to the top.
  App().DocManager().CloseDocuments(true);
  ASSERT_TRUE(App().DocManager().OpenDocumentFile(paths[4]));

  KepDocManager& manager = App().DocManager();
  ASSERT_EQ(manager.GetHistoryFilesCount(), 8u);
  const std::vector<wxString> expected = {paths[4], paths[8], paths[7], paths[6],
                                          paths[5], paths[3], paths[2], paths[1]};
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(manager.GetHistoryFile(i), expected[i]);

  // The main window's File menu lists them between the separators above Exit.
  const wxMenu& file = *App().MainFrame().GetMenuBar()->GetMenu(0);
  EXPECT_EQ(FileLabelAt(file, 5), "&1 " + paths[4]);
  EXPECT_EQ(FileLabelAt(file, 12), "&8 " + paths[1]);
  EXPECT_TRUE(file.FindItemByPosition(13)->IsSeparator());

  StoreRecentFiles(manager);
  EXPECT_TRUE(SettingsFilePath().StartsWith(Home() + "/.config/kep/"));
  wxFileConfig stored("kep", wxString(), SettingsFilePath(), wxString(), wxCONFIG_USE_LOCAL_FILE);
  EXPECT_TRUE(stored.HasGroup(kSettingsKey));
  stored.SetPath(kRecentFileListPath);
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(stored.Read(wxString::Format("file%zu", i + 1)), expected[i]);
  }
  EXPECT_FALSE(stored.HasEntry("file9"));
}

TEST_F(RecentFilesTest, ChoosingAnEntryOpensItAsAnInteractiveDocument) {
  const wxString path = PathInHome("recent-again");
  std::ofstream(path.utf8_string()).flush();
  ASSERT_TRUE(App().DocManager().OpenDocumentFile(path));
  App().DocManager().CloseDocuments(true);

  Command(wxID_FILE1);

  wxDocument* document = App().DocManager().GetCurrentDocument();
  ASSERT_TRUE(document != nullptr);
  EXPECT_EQ(document->GetFilename(), path);
}

}  // namespace
}  // namespace kep::test
