#include "app/preprocess_fields.h"

#include <wx/textctrl.h>

#include "app/dialog_service.h"
#include "app/form_layout.h"

namespace kep {

namespace {

constexpr FormFields::IntegerRange kBrightnessRange{0, kMaxBrightness};
constexpr FormFields::IntegerRange kRegionSizeRange{0, kMaxRegionSize};

// The digits of each field's largest value, which its edit is made wide enough
// for: 100.0 or a percentage with decimals, 255, 1000000.
int Digits(PreprocessFields::Field field) {
  switch (field) {
    case PreprocessFields::kBrightPercent:
      return 5;
    case PreprocessFields::kMinParticleSize:
    case PreprocessFields::kMinHoleSize:
      return 7;
    default:
      return 3;
  }
}

wxString Tooltip(PreprocessFields::Field field) {
  switch (field) {
    case PreprocessFields::kBrightPercent:
      return wxString::Format(
          "The share of the brightest pixels that Threshold keeps as particles, in percent "
          "from 0 to %g.",
          kMaxBrightPercent);
    case PreprocessFields::kLowerBrightness:
      return wxString::Format("Pixels darker than this never become particles; from 0 to %d.",
                              kMaxBrightness);
    case PreprocessFields::kHigherBrightness:
      return wxString::Format("Pixels brighter than this never become particles; from 0 to %d.",
                              kMaxBrightness);
    case PreprocessFields::kMinParticleSize:
      return wxString::Format("Particles of at most this many pixels are removed; from 0 to %d.",
                              kMaxRegionSize);
    case PreprocessFields::kMinHoleSize:
      return wxString::Format(
          "Holes in particles of at most this many pixels are filled; from 0 to %d.",
          kMaxRegionSize);
    case PreprocessFields::kParticleBrightness:
      return "255 for bright particles on a dark background, 0 for dark particles on a "
             "bright one.";
  }
  return {};
}

}  // namespace

PreprocessSettings PreprocessFields::Preprocessing() const {
  return {m_brightPercent, m_lowerBrightness, m_higherBrightness, m_minParticleSize, m_minHoleSize};
}

wxTextCtrl* PreprocessFields::AddPreprocessEdit(Field field, wxWindow* parent, wxSizer& rows,
                                                const wxString& label, wxWindowID id) {
  wxTextCtrl* edit = AddLabelledEdit(parent, rows, label, Digits(field), id);
  edit->SetToolTip(Tooltip(field));
  return edit;
}

void PreprocessFields::ExchangePreprocessField(Field field, wxTextCtrl& edit, FormFields& fields) {
  switch (field) {
    case kBrightPercent:
      fields.AddNumber(edit, m_brightPercent, 0.0, kMaxBrightPercent);
      break;
    case kLowerBrightness:
      fields.AddInteger(edit, m_lowerBrightness, kBrightnessRange);
      break;
    case kHigherBrightness:
      fields.AddInteger(edit, m_higherBrightness, kBrightnessRange);
      break;
    case kMinParticleSize:
      fields.AddInteger(edit, m_minParticleSize, kRegionSizeRange);
      break;
    case kMinHoleSize:
      fields.AddInteger(edit, m_minHoleSize, kRegionSizeRange);
      break;
    case kParticleBrightness:
      fields.AddInteger(edit, m_particleBrightness, kBrightnessRange);
      m_particleEdit = &edit;
      break;
  }
}

void PreprocessFields::DeriveBackground() {
  if (m_particleBrightness == 0) m_background = 255;
  if (m_particleBrightness == 255) m_background = 0;
}

bool PreprocessFields::CheckParticleValue() const {
  if (IsParticleValue(m_particleBrightness)) return true;
  Dialogs().ShowMessage(m_particleEdit ? m_particleEdit->GetParent() : nullptr,
                        kBadParticleMessage);
  if (m_particleEdit) m_particleEdit->SetFocus();
  return false;
}

}  // namespace kep
