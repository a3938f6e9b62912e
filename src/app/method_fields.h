#pragma once

#include <cstdint>

#include <wx/string.h>

class wxChoice;
class wxSizer;
class wxWindow;

namespace kep {

// The controls both input forms choose a method with, by their numbers.
struct MethodControlIds {
  int method;
  int label1;
  int param1;
  int label2;
  int param2;
  int label3;
  int param3;
};

// Adds "Fractal Dimension (FD) Method :" above the list of the eleven methods,
// then each parameter with its label left of it; returns the list.
wxChoice* AddMethodControls(wxWindow* parent, wxSizer& rows, const MethodControlIds& ids);

// A form's labels and values of the three parameters.
struct MethodFields {
  wxString& label1;
  std::int32_t& param1;
  wxString& label2;
  std::int32_t& param2;
  wxString& label3;
  std::int32_t& param3;
};

// The labels and defaults of the method.
void SetMethodDefaults(std::int32_t method, const MethodFields& fields);
// What a form starts with: the first method's labels, and parameters 1, 30, 1
// (not the first method's defaults).
void SetStartValues(const MethodFields& fields);

}  // namespace kep
