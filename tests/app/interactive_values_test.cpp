// The values of an interactive window's form are taken when a command needs them
// and when the keyboard leaves a field, never while the user types; a value the
// form cannot take stops the command before it does anything.

#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "interactive_window.h"

namespace kep::test {
namespace {

using InteractiveValuesTest = InteractiveWindowTest;

wxTextCtrl& Edit(CInputForm& form, int id) {
  return *dynamic_cast<wxTextCtrl*>(form.FindWindow(id));
}

// Everything a command could change.
struct Shown {
  double dimension;
  std::vector<SeriesPoint> points;
  std::int32_t mode;
  std::vector<std::uint8_t> left;
  std::vector<std::uint8_t> right;
  std::array<std::int32_t, 3> params;
  bool operator==(const Shown&) const = default;
};

Shown ShownBy(const CKEPDoc& doc) {
  return {doc.m_fractalDimension,
          {doc.m_resultSeries.begin(), doc.m_resultSeries.end()},
          doc.m_rightPaneMode,
          {doc.m_leftImage.Data(), doc.m_leftImage.Data() + doc.m_leftImage.ByteCount()},
          {doc.m_rightImage.Data(), doc.m_rightImage.Data() + doc.m_rightImage.ByteCount()},
          {doc.m_param1, doc.m_param2, doc.m_param3}};
}

TEST_F(InteractiveValuesTest, AValueTheFormCannotTakeStopsEveryCommandBeforeItDoesAnything) {
  Load(SamplePath("koch-island-8bit.bmp"));
  Click(kIdCalculateFD);
  const Shown before = ShownBy(Doc());
  const struct {
    int id;
    const char* typed;
    const char* message;
  } refused[] = {
      {kIdParam1, "abc", "Please enter an integer."},
      {kIdParam2, "", "Please enter an integer."},
      {kIdParam3, "0", "Please enter an integer between 1 and 10000."},
      {kIdBrightPercent, "1e309", "Please enter a number."},
      {kIdLowerBrightness, "10.5", "Please enter an integer."},
      {kIdMinParticleSize, "\xef\xbc\x91", "Please enter an integer."},
      {kIdMinHoleSize, "-1", "Please enter an integer between 0 and 1000000."},
      {kIdParticleBrightness, "256", "Please enter an integer between 0 and 255."},
  };
  for (const auto& field : refused) {
    wxTextCtrl& edit = Edit(Form(), field.id);
    const wxString kept = edit.GetValue();
    edit.ChangeValue(wxString::FromUTF8(field.typed));
    for (const FormCommand<CInputForm>& command : CInputForm::Commands()) {
      Click(command.id);
      EXPECT_EQ(TakeMessages(), std::vector<wxString>{field.message}) << command.label;
      EXPECT_EQ(wxWindow::FindFocus(), &edit) << command.label;
      EXPECT_TRUE(ShownBy(Doc()) == before) << field.typed << " " << command.label;
    }
    EXPECT_EQ(edit.GetValue(), wxString::FromUTF8(field.typed)) << "what was typed stays";
    edit.ChangeValue(kept);
  }
  // Lower Brightness comes before Bright Particles in the exchange.
  Edit(Form(), kIdLowerBrightness).ChangeValue("60");
  Edit(Form(), kIdBrightPercent).ChangeValue("x");
  Click(kIdThreshold);
  TakeMessages();
  EXPECT_EQ(Form().m_lowerBrightness, 50) << "a refused exchange changes no field";
}

// Real keys: typing shows nothing; Tab to the next field checks the field left.
TEST_F(InteractiveValuesTest, TypingIsNeverInterruptedAndLeavingAFieldChecksIt) {
  wxTextCtrl& toRadius = Edit(Form(), kIdParam2);
  wxUIActionSimulator keyboard;
  toRadius.SetFocus();
  toRadius.SelectAll();
  PumpEvents();
  keyboard.Text("12x");
  PumpEvents();
  EXPECT_EQ(toRadius.GetValue(), "12x");
  EXPECT_TRUE(Dialogs().messages.empty());

  keyboard.Char(WXK_TAB);
  ASSERT_TRUE(PumpUntil([&] { return !Dialogs().messages.empty(); }));
  EXPECT_EQ(TakeMessages(), std::vector<wxString>{"Please enter an integer."});
  EXPECT_TRUE(PumpUntil([&] { return wxWindow::FindFocus() == &toRadius; }));

  toRadius.SelectAll();
  keyboard.Text("12");
  keyboard.Char(WXK_TAB);
  EXPECT_TRUE(PumpUntil([&] { return wxWindow::FindFocus() == Form().FindWindow(kIdParam3); }));
  PumpEvents();
  EXPECT_TRUE(Dialogs().messages.empty());
  EXPECT_EQ(Doc().m_param2, 30) << "leaving a field checks it; a command takes it";
  Click(kIdHistogram);
  EXPECT_EQ(Doc().m_param2, 12);
}

TEST_F(InteractiveValuesTest, APartlyBrightParticleIsRefusedByTheCommandsThatTellParticles) {
  Load(SamplePath("noisy-blobs-8bit.bmp"));
  Type(kIdParticleBrightness, "128");
  for (int id : {kIdDeleteSP, kIdFillHoles, kIdGetEdge, kIdCalculateFD}) {
    Click(id);
    EXPECT_EQ(TakeMessages(),
              std::vector<wxString>{"Please input 0 or 255 for particle brightness!"})
        << id;
    EXPECT_EQ(wxWindow::FindFocus(), Form().FindWindow(kIdParticleBrightness));
  }
  EXPECT_EQ(Doc().m_fractalDimension, -1.0);
  Click(kIdThreshold);
  EXPECT_TRUE(TakeMessages().empty()) << "Threshold does not tell particles";
}

}  // namespace
}  // namespace kep::test
