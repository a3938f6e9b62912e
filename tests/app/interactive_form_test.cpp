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
  ExpectNothingClipped(Output());
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

// The labels, the names assistive technology reads and the tooltips follow the
// method; the data list is named after its box and says what its columns hold.
TEST_F(InteractiveFormTest, ChoosingAMethodShowsItsLabelsAndDefaultsAndNamesTheFieldsByThem) {
  ChooseMethod(2);
  EXPECT_EQ(TextOf(kIdLabel1), "From Box Size :");
  EXPECT_EQ(TextOf(kIdLabel2), "To Box Size :");
  EXPECT_EQ(TextOf(kIdParam1) + TextOf(kIdParam2) + TextOf(kIdParam3), "8301");
  EXPECT_EQ(AccessibleName(*Form().FindWindow(kIdParam2)), "To Box Size :");
  EXPECT_EQ(Form().FindWindow(kIdParam2)->GetToolTipText(),
            "To Box Size: a whole number from 1 to 10000.");
  EXPECT_EQ(Doc().m_method, 2);
  EXPECT_EQ(Doc().m_param1, 8);
  EXPECT_EQ(Output().m_xHeading, "Box Size");
  GtkWidget* list = Output().m_dataList->GetConnectWidget();
  EXPECT_STREQ(atk_object_get_name(gtk_widget_get_accessible(list)), "Data For Fit Regress");
  EXPECT_STREQ(atk_object_get_description(gtk_widget_get_accessible(list)),
               "Box Size, Box Count");

  ChooseMethod(0);
  EXPECT_EQ(TextOf(kIdParam1) + "/" + TextOf(kIdParam2) + "/" + TextOf(kIdParam3), "1/20/1");

  // The corner methods' points have no names: no other method's headings stand
  // over them.
  ChooseMethod(10);
  EXPECT_EQ(TextOf(kIdLabel3), "Step Size*10:");
  EXPECT_EQ(AccessibleName(*Form().FindWindow(kIdParam3)), "Step Size*10:");
  EXPECT_EQ(Doc().m_param2, 80);
  EXPECT_EQ(Output().m_xHeading + Output().m_yHeading, "XY");
}

// Every edit's tooltip gives its range, and every button's says what it does.
TEST_F(InteractiveFormTest, EveryControlSaysWhatItDoesInItsTooltip) {
  const std::pair<int, const char*> ranges[] = {{kIdParam1, "from 1 to 10000"},
                                                {kIdBrightPercent, "from 0 to 100"},
                                                {kIdLowerBrightness, "from 0 to 255"},
                                                {kIdMinParticleSize, "from 0 to 1000000"},
                                                {kIdMinHoleSize, "from 0 to 1000000"},
                                                {kIdParticleBrightness, "255 for bright"}};
  for (const auto& [id, range] : ranges) {
    EXPECT_TRUE(Form().FindWindow(id)->GetToolTipText().Contains(range)) << id;
  }
  for (int id : {kIdLoadFile, kIdMethod, kIdCalculateFD, kIdAnimate, kIdHistogram, kIdThreshold,
                 kIdDeleteSP, kIdFillHoles, kIdGetEdge, kIdSwap}) {
    EXPECT_GT(Form().FindWindow(id)->GetToolTipText().length(), 20u) << id;
  }
}

}  // namespace
}  // namespace kep::test
