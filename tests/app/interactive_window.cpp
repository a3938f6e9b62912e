#include "interactive_window.h"

#include <random>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

#include "app/four_pane_frame.h"
#include "support/image_file_bytes.h"

namespace kep::test {

void InteractiveWindowTest::SetUp() {
  AppTest::SetUp();
  m_document = dynamic_cast<CKEPDoc*>(NewDocument(0));
  ASSERT_TRUE(m_document != nullptr);
}

CInputForm& InteractiveWindowTest::Form() const {
  return *dynamic_cast<CInputForm*>(FrameOf(m_document)->Pane(FourPaneFrame::kForm));
}

COutputForm& InteractiveWindowTest::Output() const {
  return *dynamic_cast<COutputForm*>(FrameOf(m_document)->Pane(FourPaneFrame::kUpper));
}

void InteractiveWindowTest::Type(int id, const wxString& text) {
  auto* edit = dynamic_cast<wxTextCtrl*>(Form().FindWindow(id));
  ASSERT_TRUE(edit != nullptr) << id;
  edit->SetValue(text);
  PumpEvents();
}

void InteractiveWindowTest::Click(int id) {
  wxWindow* button = Form().FindWindow(id);
  ASSERT_TRUE(button != nullptr) << id;
  SendCommand(*button, wxEVT_BUTTON);
}

void InteractiveWindowTest::SetAnimate(bool on) {
  auto* check = dynamic_cast<wxCheckBox*>(Form().FindWindow(kIdAnimate));
  check->SetValue(on);
  SendCommand(*check, wxEVT_CHECKBOX, on);
}

void InteractiveWindowTest::ChooseMethod(int index) {
  auto* list = dynamic_cast<wxChoice*>(Form().FindWindow(kIdMethod));
  list->SetSelection(index);
  SendCommand(*list, wxEVT_CHOICE, index);
}

void InteractiveWindowTest::Load(const std::string& path) {
  Dialogs().openPaths.push_back(wxString::FromUTF8(path));
  Click(kIdLoadFile);
}

wxString InteractiveWindowTest::TextOf(int id) const {
  wxWindow* control = Form().FindWindow(id);
  if (auto* edit = dynamic_cast<wxTextCtrl*>(control)) return edit->GetValue();
  return control ? control->GetLabel() : wxString("(no control)");
}

wxArrayString InteractiveWindowTest::Rows() const { return Output().m_dataList->GetStrings(); }

std::string SamplePath(const std::string& name) {
  return std::string(KEP_SAMPLES_DIR) + "/" + name;
}

std::string WriteLargeNoise(const TempDir& dir, const std::string& name) {
  constexpr std::int32_t kSide = 2500;
  Bytes rows(static_cast<std::size_t>(kSide) * kSide);
  std::mt19937 random(7);
  for (std::uint8_t& pixel : rows) pixel = random() % 3 == 0 ? 255 : 0;
  return dir.Write(name, BmpBuilder(kSide, kSide).Palette(GreyPalette()).Rows(rows).Build());
}

}  // namespace kep::test
