#include "interactive/input_form.h"

#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "interactive/kep_doc.h"

namespace kep {

namespace {

constexpr const char* kNoFileSelected = "No File Selected";

constexpr FormCommand<CInputForm> kCommands[] = {
    {kIdLoadFile, "Load File...", "Reads a BMP or TIFF image into both image panes.",
     CInputForm::kAtTop, &CInputForm::OnLoadFile},
    {kIdCalculateFD, "Calculate FD",
     "Measures the left image as it is with the chosen method: the fractal dimension, the "
     "data points it was fitted from, and their log-log plot on the right.",
     CInputForm::kBesideAnimate, &CInputForm::OnCalculateFD},
    {kIdHistogram, "Histogram", "Plots the grey levels of the left image on the right.",
     CInputForm::kToolColumn, &CInputForm::OnHistogram},
    {kIdThreshold, "Threshold",
     "Keeps the brightest pixels of the left image, at or above Lower Brightness, as white "
     "particles on the right.",
     CInputForm::kToolColumn, &CInputForm::OnThreshold},
    {kIdDeleteSP, "Delete SP",
     "Removes the particles of at most Minimal Particle Size pixels from the left image, on "
     "the right.",
     CInputForm::kToolColumn, &CInputForm::OnDeleteSP},
    {kIdFillHoles, "Fill Holes",
     "Fills the holes of at most Minimal Hole Size pixels in the particles of the left image, "
     "on the right.",
     CInputForm::kToolColumn, &CInputForm::OnFillHoles},
    {kIdGetEdge, "Get Edge",
     "Does all of that to the left image at once and shows the particles' outlines on the "
     "right, ready to be measured.",
     CInputForm::kToolColumn, &CInputForm::OnGetEdge},
    {kIdSwap, "Swap",
     "Exchanges the left and the right image, so that a result becomes the input of the next "
     "tool.",
     CInputForm::kBesideTools, &CInputForm::OnSwap},
};

}  // namespace

std::span<const FormCommand<CInputForm>> CInputForm::Commands() { return kCommands; }

bool CInputForm::Create(wxWindow* parent, wxDocument& document, wxWindow& frame) {
  if (!MethodForm::Create(parent, document, frame)) return false;
  BuildControls();
  BindCommands(Commands());

  m_fields.AddText(ControlOf<wxStaticText>(kIdFileName), m_fileName);
  const std::pair<Field, int> values[] = {{kLowerBrightness, kIdLowerBrightness},
                                          {kHigherBrightness, kIdHigherBrightness},
                                          {kMinParticleSize, kIdMinParticleSize},
                                          {kMinHoleSize, kIdMinHoleSize},
                                          {kParticleBrightness, kIdParticleBrightness}};
  for (const auto& [field, id] : values) {
    ExchangePreprocessField(field, ControlOf<wxTextCtrl>(id), m_fields);
  }
  m_fields.AddCheck(ControlOf<wxCheckBox>(kIdAnimate), m_animate);
  for (int id : {kIdLabel1, kIdParam2, kIdLabel2, kIdParam3, kIdLabel3, kIdParam1}) {
    ExchangeParameter(id);
  }
  ExchangePreprocessField(kBrightPercent, ControlOf<wxTextCtrl>(kIdBrightPercent), m_fields);
  return true;
}

CKEPDoc* CInputForm::GetDocument() const {
  return dynamic_cast<CKEPDoc*>(DocumentPane::GetDocument());
}

void CInputForm::OnInitialUpdate() {
  MethodForm::OnInitialUpdate();
  m_fileName = kNoFileSelected;
  StartMethodChoice();
  m_fields.ToControls();
}

void CInputForm::OnUpdate(DocumentPane* sender, wxObject* hint) {
  MethodForm::OnUpdate(sender, hint);
  if (!GetDocument() || !IsChange(hint, Change::kLoadedFile)) return;
  const wxString& file = GetDocument()->m_loadedFile;
  m_fileName = file.empty() ? wxString(kNoFileSelected) : file;
  auto& shown = ControlOf<wxStaticText>(kIdFileName);
  shown.SetLabelText(m_fileName);
  shown.SetToolTip(file);
}

MethodChoice& CInputForm::Choice() const { return *GetDocument(); }

void CInputForm::ChooseMethod(std::int32_t method) {
  GetDocument()->ClearResult();
  MethodForm::ChooseMethod(method);
}

}  // namespace kep
