#include <filesystem>
#include <fstream>

#include "app/four_pane_frame.h"
#include "interactive/image_r_view.h"
#include "interactive/kep_doc.h"
#include "project/ui/kep_project_doc.h"
#include "test_app.h"

namespace kep::test {
namespace {

using DocumentsTest = AppTest;

std::uintmax_t SizeOf(const wxString& path) {
  return std::filesystem::file_size(path.utf8_string());
}

TEST_F(DocumentsTest, UntitledDocumentsAreNumberedPerType) {
  const wxString first = NewDocument(0)->GetTitle();
  const wxString project = NewDocument(1)->GetTitle();
  const wxString second = NewDocument(0)->GetTitle();
  ASSERT_TRUE(first.StartsWith("KEP"));
  long number = 0;
  ASSERT_TRUE(first.Mid(3).ToLong(&number));
  EXPECT_EQ(second, wxString::Format("KEP%ld", number + 1));
  EXPECT_TRUE(project.StartsWith("PROJECT"));
  EXPECT_EQ(FrameOf(App().DocManager().GetCurrentDocument())->GetTitle(), second);
}

TEST_F(DocumentsTest, SaveWritesAnEmptyFileOverWhateverWasThere) {
  for (int type : {0, 1}) {
    wxDocument* document = NewDocument(type);
    const wxString path = PathInHome(wxString::Format("saved-%d.kep", type));
    std::ofstream(path.utf8_string()) << "earlier contents";
    Dialogs().savePaths.push_back(path);

    Command(wxID_SAVE);

    EXPECT_EQ(SizeOf(path), 0u);
    EXPECT_EQ(document->GetFilename(), path);
    EXPECT_EQ(App().DocManager().GetHistoryFile(0), path);
  }
}

TEST_F(DocumentsTest, ClosingAModifiedDocumentDoesNotAsk) {
  wxDocument* document = NewDocument(0);
  document->Modify(true);
  Command(wxID_CLOSE);
  EXPECT_TRUE(App().DocManager().GetDocumentsVector().empty());
}

TEST_F(DocumentsTest, OpenGivesAnEmptyInteractiveWindowWhateverTheFile) {
  const wxString path = PathInHome("project-file");
  std::ofstream(path.utf8_string()).flush();
  Dialogs().openPaths.push_back(path);

  Command(wxID_OPEN);

  auto* document = dynamic_cast<CKEPDoc*>(App().DocManager().GetCurrentDocument());
  ASSERT_TRUE(document != nullptr);
  EXPECT_EQ(document->GetFilename(), path);
  EXPECT_FALSE(document->m_leftImage.IsLoaded());
  EXPECT_TRUE(FrameOf(document) != nullptr);
}

}  // namespace
}  // namespace kep::test
