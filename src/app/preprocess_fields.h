#pragma once

#include <cstdint>

#include <wx/string.h>
#include <wx/window.h>

#include "app/form_fields.h"
#include "preprocess/preprocess_sequence.h"

class wxSizer;
class wxTextCtrl;

namespace kep {

// The pre-processing values of an input form, with the ranges the core accepts
// them in, and the edits that show them: each form places the edits it shows and
// exchanges them in its own order; the values it does not show keep their
// defaults.
class PreprocessFields {
 public:
  enum Field {
    kBrightPercent,
    kLowerBrightness,
    kHigherBrightness,
    kMinParticleSize,
    kMinHoleSize,
    kParticleBrightness,
  };

  double m_brightPercent = 10.0;
  std::int32_t m_lowerBrightness = 50;
  std::int32_t m_higherBrightness = 255;
  std::int32_t m_minParticleSize = 300;
  std::int32_t m_minHoleSize = 300;
  std::int32_t m_particleBrightness = 255;
  // The particles' opposite: 255 for dark particles, 0 for bright ones.
  std::uint32_t m_background = 0;

  // The values as the pre-processing sequence takes them.
  PreprocessSettings Preprocessing() const;

 protected:
  // Adds a row to `rows`: the label, and right of it an edit wide enough for the
  // field's largest value, whose tooltip says what the value does and its range.
  static wxTextCtrl* AddPreprocessEdit(Field field, wxWindow* parent, wxSizer& rows,
                                       const wxString& label, wxWindowID id);
  // Puts the field and its edit into the exchange, with the field's range.
  void ExchangePreprocessField(Field field, wxTextCtrl& edit, FormFields& fields);
  // Derives the background from the particle brightness, when it is 0 or 255.
  void DeriveBackground();
  // The particles must be bright or dark: any other brightness is refused with
  // the system's message and the keyboard on its edit. True when it is 0 or 255.
  bool CheckParticleValue() const;

 private:
  wxTextCtrl* m_particleEdit = nullptr;
};

}  // namespace kep
