#include <fstream>

#include <wx/docview.h>

#include "app/kep_doc_manager.h"
#include "app/kep_doc_template.h"
#include "app/main_frame.h"
#include "interactive/kep_doc.h"
#include "project/ui/kep_project_doc.h"
#include "test_app.h"

namespace kep::test {
namespace {

using StartupTest = AppTest;

TEST_F(StartupTest, WithoutArgumentsAsksWhichTypeToCreateAndCreatesIt) {
  ASSERT_EQ(Startup().choicesOffered.size(), 1u);
  EXPECT_EQ(Startup().choiceTitles[0], "New");
  EXPECT_EQ(Startup().choicesOffered[0], wxArrayString(2, std::array{"KEP", "PROJECT"}.data()));
  ASSERT_EQ(Startup().documentClasses.size(), 1u);
  EXPECT_EQ(Startup().documentClasses[0], typeid(CKEPDoc).name());
  EXPECT_TRUE(Startup().mainFrameShown);
}

TEST_F(StartupTest, FileNameOnTheCommandLineOpensAnEmptyInteractiveDocument) {
  const wxString path = PathInHome("sample.prj");
  std::ofstream(path.ToStdString()) << "whatever it holds";

  ASSERT_TRUE(App().ProcessShellCommand(wxArrayString(1, &path)));

  const wxDocVector documents = App().DocManager().GetDocumentsVector();
  ASSERT_EQ(documents.size(), 1u);
  auto* document = dynamic_cast<CKEPDoc*>(documents[0]);
  ASSERT_TRUE(document != nullptr);
  EXPECT_EQ(document->GetFilename(), path);
  EXPECT_EQ(document->GetUserReadableName(), "sample.prj");
  EXPECT_FALSE(document->m_leftImage.IsLoaded());
  EXPECT_EQ(document->m_fractalDimension, -1.0);
}

TEST_F(StartupTest, CancellingTheTypeQuestionLeavesTheMainWindowEmpty) {
  Dialogs().choices.push_back(-1);
  EXPECT_TRUE(App().ProcessShellCommand(wxArrayString()));
  EXPECT_TRUE(App().DocManager().GetDocumentsVector().empty());
}

}  // namespace
}  // namespace kep::test
