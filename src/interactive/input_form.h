#pragma once

#include <cstdint>

#include <wx/string.h>

#include "app/method_form.h"
#include "image/image_buffer.h"
#include "project/measurement.h"

class wxSizer;

namespace kep {

class CKEPDoc;

// The controls of the input form, by the numbers tests and tools find them by.
enum InputFormControl : int {
  kIdLoadFile = 1000,
  kIdFileName = 1023,
  kIdMethod = 1002,
  kIdParam1 = 1027,
  kIdParam2 = 1028,
  kIdParam3 = 1031,
  kIdLabel1 = 1029,
  kIdLabel2 = 1030,
  kIdLabel3 = 1032,
  kIdCalculateFD = 1003,
  kIdAnimate = 1026,
  kIdHistogram = 1004,
  kIdThreshold = 1006,
  kIdDeleteSP = 1008,
  kIdFillHoles = 1009,
  kIdGetEdge = 1007,
  kIdSwap = 1005,
  kIdBrightPercent = 1043,
  kIdLowerBrightness = 1011,
  kIdMinParticleSize = 1012,
  kIdMinHoleSize = 1014,
  kIdParticleBrightness = 1013,
  kIdHigherBrightness = 1010,
};

// What Load File's dialog offers.
inline constexpr const char* kLoadFileFilter =
    "TIFF (*.tif)|*.tif|Bitmap (*.bmp)|*.bmp|All Files (*.*)|*.*";

// The form on the left of an interactive window: the user loads an image, sets
// the pre-processing values, runs the pre-processing tools on the document's
// image pair, picks the method with its parameters and starts the calculation.
// Every command reads the left image, writes the right one, and asks the other
// panes to redraw.
class CInputForm final : public MethodForm {
 public:
  bool Create(wxWindow* parent, wxDocument& document, wxWindow& frame) override;

  CKEPDoc* GetDocument() const;
  void OnInitialUpdate() override;

  // Reads an image file into the document, as Load File does with the path its
  // dialog gives.
  void LoadFile(const wxString& path);

  // The commands.
  void OnLoadFile();
  void OnHistogram();
  void OnThreshold();
  void OnDeleteSP();
  void OnFillHoles();
  void OnGetEdge();
  void OnSwap();
  void OnCalculateFD();
  // After any edit, a method choice or a click on "Animate".
  void OnChange();

  // The form's values besides those of the method choice.
  wxString m_fileName;
  std::int32_t m_lowerBrightness = 50;
  std::int32_t m_higherBrightness = 255;
  std::int32_t m_minParticleSize = 300;
  std::int32_t m_minHoleSize = 300;
  bool m_animate = false;
  double m_brightPercent = 10.0;

 protected:
  MethodChoice& Choice() const override;

 private:
  void BuildControls();
  wxSizer* NewCalculationGroup();
  void BindCommands();
  bool BothImagesPresent() const;
  bool GetEdges();

  // The engine and the working images of Get Edge and Calculate FD, kept from
  // command to command so that the copies of a large image find their memory
  // ready.
  MeasureWorkspace m_workspace;
};

}  // namespace kep
