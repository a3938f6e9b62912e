#pragma once

#include <cstdint>

#include <wx/string.h>

#include "app/form_fields.h"
#include "app/form_pane.h"
#include "app/preprocess_fields.h"

class wxChoice;
class wxSizer;
class wxStaticText;
class wxTextCtrl;

namespace kep {

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

// An input form: it chooses one method and its three parameters for its
// document (the list of the eleven methods, each parameter with its label, set
// per method) and holds the pre-processing values. Its commands take every value
// from the controls before they run.
class MethodForm : public FormPane, public PreprocessFields {
 public:
  // The form's values; each form adds them to its fields in its own order.
  wxString m_label1;
  std::int32_t m_param1 = 0;
  wxString m_label2;
  std::int32_t m_param2 = 0;
  wxString m_label3;
  std::int32_t m_param3 = 0;

  // After another method was chosen: that method's labels and defaults.
  void OnUpdate(DocumentPane* sender, wxObject* hint) override;

 protected:
  // The document's side of the choice.
  virtual MethodChoice& Choice() const = 0;
  // Called when the user chooses another method: the document takes it, and the
  // panes learn of it.
  virtual void ChooseMethod(std::int32_t method);

  // Adds "Fractal Dimension (FD) Method :" above the method list, then each
  // parameter with its label left of it.
  void AddMethodControls(wxWindow* parent, wxSizer& rows, const MethodControlIds& ids);
  // Puts the parameter edit or label of that id into the exchange; an edit
  // with the range every method parameter has.
  void ExchangeParameter(int id);
  // What a form starts with: no background, the first method's labels with the
  // parameters 1, 30 and 1 (not the first method's defaults), the method list
  // filled with the first method chosen.
  void StartMethodChoice();
  // Takes the values from the controls, then derives the background and gives
  // the parameters to the document. False when a value was refused.
  bool TakeValues();
  // TakeValues for a command that tells particles from the background, which
  // refuses a particle brightness other than 0 or 255 as well.
  bool TakeParticleValues();

  FormFields m_fields;

 private:
  // A parameter's controls and the form's values they show.
  struct Parameter {
    wxStaticText* label;
    wxTextCtrl* edit;
    wxString* labelText;
    std::int32_t* value;
  };

  void CopyParametersToDocument();
  // The parameters' edits are named, for assistive technology and in their
  // tooltips, by the labels the method gives them.
  void NameParameters();

  wxChoice* m_methodList = nullptr;
  std::array<Parameter, 3> m_parameters{};
};

}  // namespace kep
