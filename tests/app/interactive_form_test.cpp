// The input and result forms of an interactive window: their texts, start values,
// layout, the labels that name their fields, and the exchange of values between
// fields and controls.

#include <gtk/gtk.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "fractal/method_table.h"
#include "interactive_window.h"

namespace kep::test {
namespace {

using InteractiveFormTest = InteractiveWindowTest;

wxString AccessibleName(wxWindow& control) {
  return wxString::FromUTF8(
      atk_object_get_name(gtk_widget_get_accessible(control.GetConnectWidget())));
}

// Every shown control lies inside the pane and shows its whole text.
void ExpectNothingClipped(wxWindow& pane) {
  const int right = pane.GetScreenRect().GetRight();
  for (wxWindow* child : pane.GetChildren()) {
    if (!child->IsShown()) continue;
    EXPECT_LE(child->GetScreenRect().GetRight(), right) << child->GetLabel();
    if (dynamic_cast<wxStaticText*>(child)) {
      EXPECT_GE(child->GetSize().x, child->GetBestSize().x) << child->GetLabel();
    }
    ExpectNothingClipped(*child);
  }
}

TEST_F(InteractiveFormTest, StartsWithItsTextsAndStartValuesEveryFieldNamedByItsLabel) {
  const std::pair<int, const char*> shown[] = {{kIdFileName, "No File Selected"},
                                               {kIdLabel1, "From Radius :"},
                                               {kIdLabel2, "To Radius :"},
                                               {kIdLabel3, "Step Size :"},
                                               {kIdParam1, "1"},
                                               {kIdParam2, "30"},
                                               {kIdParam3, "1"},
                                               {kIdBrightPercent, "10"},
                                               {kIdLowerBrightness, "50"},
                                               {kIdMinParticleSize, "300"},
                                               {kIdMinHoleSize, "300"},
                                               {kIdParticleBrightness, "255"},
                                               {kIdHigherBrightness, "255"}};
  for (const auto& [id, text] : shown) EXPECT_EQ(TextOf(id), text) << id;
  EXPECT_FALSE(Form().FindWindow(kIdHigherBrightness)->IsShown());
  EXPECT_EQ(Doc().m_method, 0);
  EXPECT_EQ(Doc().m_param1, 1);
  EXPECT_EQ(Doc().m_param2, 30);
  EXPECT_EQ(Doc().m_param3, 1);

  auto* methods = dynamic_cast<wxChoice*>(Form().FindWindow(kIdMethod));
  ASSERT_EQ(methods->GetCount(), 11u);
  for (unsigned i = 0; i < methods->GetCount(); ++i)
    EXPECT_EQ(methods->GetString(i), kMethods[i].listText);
  EXPECT_EQ(methods->GetSelection(), 0);

  const std::pair<int, const char*> named[] = {
      {kIdMethod, "Fractal Dimension (FD) Method :"},
      {kIdParam1, "From Radius :"},
      {kIdBrightPercent, "Bright Particles (%) :"},
      {kIdLowerBrightness, "Lower Brightness (0-255) :"},
      {kIdMinParticleSize, "Minimal Particle Size :"},
      {kIdMinHoleSize, "Minimal Hole Size :"},
      {kIdParticleBrightness, "Particle Brightness (0, 255) :"}};
  for (const auto& [id, label] : named) EXPECT_EQ(AccessibleName(*Form().FindWindow(id)), label);

  EXPECT_EQ(Output().m_fdText, "No fractal dimension yet!");
  EXPECT_EQ(Rows(), wxArrayString(1, "No result can be used to fit!"));
  EXPECT_EQ(Output().m_xHeading, "Length");
  EXPECT_EQ(Output().m_yHeading, "Dilated Perimeter");
  EXPECT_EQ(Output().m_theoryLabelText, " ");
  EXPECT_EQ(Output().m_errorLabelText, "");

  ASSERT_EQ(Form().GetSize().x, 260);
  ExpectNothingClipped(Form());
}

TEST_F(InteractiveFormTest, TabGoesThroughTheControlsInTheirOrder) {
  EXPECT_EQ(wxWindow::FindFocus(), Form().FindWindow(kIdLoadFile)) << "the keyboard starts there";
  wxUIActionSimulator keyboard;
  // The method list is the next stop; the toolkit gives the keyboard to a part of
  // it that has no window of its own.
  keyboard.Char(WXK_TAB);
  for (int id : {kIdParam1, kIdParam2, kIdParam3, kIdCalculateFD, kIdAnimate, kIdHistogram,
                 kIdThreshold}) {
    keyboard.Char(WXK_TAB);
    PumpEvents();
    EXPECT_EQ(wxWindow::FindFocus(), Form().FindWindow(id)) << id;
  }
}

TEST_F(InteractiveFormTest, ChoosingAMethodShowsItsLabelsAndDefaults) {
  ChooseMethod(2);
  EXPECT_EQ(TextOf(kIdLabel1), "From Box Size :");
  EXPECT_EQ(TextOf(kIdLabel2), "To Box Size :");
  EXPECT_EQ(TextOf(kIdParam1) + TextOf(kIdParam2) + TextOf(kIdParam3), "8301");
  EXPECT_EQ(Doc().m_method, 2);
  EXPECT_EQ(Doc().m_param1, 8);
  EXPECT_EQ(Output().m_xHeading, "Box Size");

  ChooseMethod(0);
  EXPECT_EQ(TextOf(kIdParam1) + "/" + TextOf(kIdParam2) + "/" + TextOf(kIdParam3), "1/20/1");

  // The corner methods leave the result's headings as they were.
  ChooseMethod(10);
  EXPECT_EQ(TextOf(kIdLabel3), "Step Size*10:");
  EXPECT_EQ(Doc().m_param2, 80);
  EXPECT_EQ(Output().m_xHeading, "Length");
}

TEST_F(InteractiveFormTest, TakingTheValuesStopsAtTheFirstThatIsNotANumberOrOutOfRange) {
  // Parameter 1 comes last in the exchange, so it is not taken while an earlier
  // field stops the exchange.
  dynamic_cast<wxTextCtrl*>(Form().FindWindow(kIdParam1))->ChangeValue("5");
  Type(kIdLowerBrightness, "300");
  EXPECT_EQ(TakeMessages(), std::vector<wxString>{"Please enter an integer between 0 and 255."});
  EXPECT_EQ(wxWindow::FindFocus(), Form().FindWindow(kIdLowerBrightness));
  EXPECT_EQ(Form().m_lowerBrightness, 300) << "the field keeps what was typed";
  EXPECT_EQ(Form().m_param1, 1);

  Type(kIdLowerBrightness, "60");
  EXPECT_EQ(Form().m_param1, 5);
  EXPECT_EQ(Doc().m_param1, 5);

  Type(kIdMinHoleSize, "12x");
  EXPECT_EQ(TakeMessages(), std::vector<wxString>{"Please enter an integer."});
  EXPECT_EQ(Form().m_minHoleSize, 300) << "a text that is not a number changes nothing";
  Type(kIdMinHoleSize, " 40 ");
  EXPECT_EQ(Form().m_minHoleSize, 40);

  Type(kIdBrightPercent, "150");
  EXPECT_EQ(TakeMessages(), std::vector<wxString>{"Please enter a number between 0 and 100."});
  Type(kIdBrightPercent, "12.5");
  EXPECT_EQ(Form().m_brightPercent, 12.5);

  Type(kIdParam2, "0");
  EXPECT_EQ(TakeMessages(), std::vector<wxString>{"Please enter an integer between 1 and 10000."});
  EXPECT_EQ(Doc().m_param2, 30) << "the document takes nothing from a stopped exchange";
  Type(kIdParam2, "99999999999");
  EXPECT_EQ(TakeMessages(), std::vector<wxString>{"Please enter an integer."});
  Type(kIdParam2, "25");
  EXPECT_EQ(Doc().m_param2, 25);

  // The particle brightness decides the background, unless it is neither value.
  Type(kIdParticleBrightness, "0");
  EXPECT_EQ(Form().m_background, 255u);
  Type(kIdParticleBrightness, "100");
  EXPECT_EQ(Form().m_background, 255u);
  Type(kIdParticleBrightness, "255");
  EXPECT_EQ(Form().m_background, 0u);
  EXPECT_TRUE(Doc().IsModified());
}

}  // namespace
}  // namespace kep::test
