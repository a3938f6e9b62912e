#pragma once

#include <cstdint>

#include <wx/string.h>

#include "app/form_fields.h"
#include "app/form_pane.h"
#include "preprocess/preprocess_sequence.h"

class wxChoice;
class wxSizer;

namespace kep {

// The ranges both input forms take the pre-processing values in.
inline constexpr FormFields::IntegerRange kBrightnessRange{0, kMaxBrightness};
inline constexpr FormFields::IntegerRange kRegionSizeRange{0, kMaxRegionSize};

// What a document keeps of a form's method choice: the method index and its three
// parameters.
struct MethodChoice {
  std::int32_t m_method = 0;
  std::int32_t m_param1 = 0;
  std::int32_t m_param2 = 0;
  std::int32_t m_param3 = 0;
};

// The controls a form chooses a method with, by their numbers.
struct MethodControlIds {
  int method;
  int label1;
  int param1;
  int label2;
  int param2;
  int label3;
  int param3;
};

// A form that chooses one method and its three parameters for its document: the
// list of the eleven methods, each parameter with its label (set per method),
// and the particle value with the background value that follows from it.
class MethodForm : public FormPane {
 public:
  // The form's values; each form adds them to its fields in its own order.
  wxString m_label1;
  std::int32_t m_param1 = 0;
  wxString m_label2;
  std::int32_t m_param2 = 0;
  wxString m_label3;
  std::int32_t m_param3 = 0;
  std::int32_t m_particleBrightness = 255;
  std::uint32_t m_background = 0;

  // The document's change notification, when it includes this form: the labels
  // and defaults of the document's method.
  void OnUpdate(DocumentPane* sender, wxObject* hint) override;

 protected:
  // The document's side of the choice.
  virtual MethodChoice& Choice() const = 0;

  // Adds "Fractal Dimension (FD) Method :" above the method list, then each
  // parameter with its label left of it.
  void AddMethodControls(wxWindow* parent, wxSizer& rows, const MethodControlIds& ids);
  // What a form starts with: no background, the first method's labels with the
  // parameters 1, 30 and 1 (not the first method's defaults), the method list
  // filled with the first method chosen.
  void StartMethodChoice();
  // Takes the values from the controls, then derives the background, gives the
  // parameters to the document and, when another method was chosen, tells every
  // pane of the document. False when a value stopped the exchange.
  bool TakeValues();

  FormFields m_fields;

 private:
  void CopyParametersToDocument();

  wxChoice* m_methodList = nullptr;
};

}  // namespace kep
