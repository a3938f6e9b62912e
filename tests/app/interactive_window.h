#pragma once

#include <string>

#include <wx/string.h>

#include "interactive/input_form.h"
#include "interactive/kep_doc.h"
#include "plot/ui/output_form.h"
#include "support/temp_dir.h"
#include "test_app.h"

class wxListBox;
class wxTextCtrl;

namespace kep::test {

// A new interactive window, driven through its controls as a user drives it.
class InteractiveWindowTest : public AppTest {
 protected:
  void SetUp() override;

  CInputForm& Form() const;
  COutputForm& Output() const;
  CKEPDoc& Doc() const { return *m_document; }

  // Types the text into an edit of the input form, which then takes its values.
  void Type(int id, const wxString& text);
  // Clicks a button of the input form.
  void Click(int id);
  void SetAnimate(bool on);
  void ChooseMethod(int index);
  // Loads a file through "Load File...", its dialog answered with the path.
  void Load(const std::string& path);
  wxString TextOf(int id) const;
  wxArrayString Rows() const;

  CKEPDoc* m_document = nullptr;
};

// A sample picture of the project by its file name.
std::string SamplePath(const std::string& name);
// A noisy picture large enough that measuring it takes seconds, written into the
// directory under that name.
std::string WriteLargeNoise(const TempDir& dir, const std::string& name);

}  // namespace kep::test
