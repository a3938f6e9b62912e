#pragma once

#include <chrono>
#include <functional>
#include <vector>

#include <gtest/gtest.h>
#include <wx/string.h>

#include "app/kep_app.h"
#include "app/kep_doc_manager.h"
#include "app/main_frame.h"
#include "modal_guard.h"
#include "scripted_dialogs.h"

class wxDocument;
class wxWindow;

// Lets failing expectations show the texts they compared.
inline void PrintTo(const wxString& text, std::ostream* out) {
  *out << '"' << text.utf8_string() << '"';
}

namespace kep {
class FourPaneFrame;
}

namespace kep::test {

// The application object the tests share, started once by the test program's
// main() in a temporary home directory, as `kep` with no argument (the scripted
// answer to the type question being "KEP").
KepApp& App();
ScriptedDialogs& Dialogs();
ModalGuard& Guard();
// The home directory the program runs in.
wxString Home();

// What the program showed right after it started.
struct StartupRecord {
  std::vector<wxArrayString> choicesOffered;
  std::vector<wxString> choiceTitles;
  std::vector<wxString> documentClasses;
  bool mainFrameShown = false;
};
const StartupRecord& Startup();

// The name assistive technology reads for the control.
wxString AccessibleName(wxWindow& control);

// Lets the toolkit process what is pending: window sizes, repaints, idle work
// and deferred deletions.
void PumpEvents();
// Sends the control's command event of that type as a user's action would, with
// the selection or check state in `value`, then pumps.
void SendCommand(wxWindow& control, wxEventType type, int value = 0);
// Pumps until the condition holds; false when it still does not after a while.
bool PumpUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds patience = std::chrono::milliseconds(3000));

// Every test starts with no document open, no recent file and an empty dialog
// script, and fails when a scripted answer is left over or a message was shown
// that the test did not take.
class AppTest : public ::testing::Test {
 public:
  static FourPaneFrame* FrameOf(wxDocument* document);

 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates a document of the n-th type through "New" and pumps until its
  // window is laid out.
  wxDocument* NewDocument(int typeIndex);
  // Sends a menu command to the main window, as a menu or a key would.
  void Command(int id);
  // Takes the messages shown so far.
  std::vector<wxString> TakeMessages();
  // A path in the temporary home directory.
  wxString PathInHome(const wxString& name);
};

}  // namespace kep::test
