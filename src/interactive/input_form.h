#pragma once

#include <cstdint>

#include <wx/string.h>

#include "app/form_fields.h"
#include "app/form_pane.h"
#include "fractal/fractal_engine.h"
#include "image/image_buffer.h"

class wxChoice;

namespace kep {

class CKEPDoc;
struct MethodFields;

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
class CInputForm final : public FormPane {
 public:
  bool Create(wxWindow* parent, wxDocument& document, wxWindow& frame) override;

  CKEPDoc* GetDocument() const;
  void OnInitialUpdate() override;
  // The document's change notification, when it includes this form: the labels
  // and defaults of the document's method.
  void OnUpdate(DocumentPane* sender, wxObject* hint) override;

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

  // The form's values, in the order they move between fields and controls.
  std::uint32_t m_background = 0;
  wxString m_fileName;
  std::int32_t m_lowerBrightness = 50;
  std::int32_t m_higherBrightness = 255;
  std::int32_t m_minParticleSize = 300;
  std::int32_t m_minHoleSize = 300;
  std::int32_t m_particleBrightness = 255;
  bool m_animate = false;
  wxString m_label1;
  std::int32_t m_param2 = 0;
  wxString m_label2;
  std::int32_t m_param3 = 0;
  wxString m_label3;
  std::int32_t m_param1 = 0;
  double m_brightPercent = 10.0;

 private:
  void BuildControls();
  void BindCommands();
  MethodFields MethodFieldsOf();
  void CopyParametersToDocument();
  bool BothImagesPresent() const;
  bool GetEdges();

  FormFields m_fields;
  wxChoice* m_methodList = nullptr;
  // The engine and the working images of Get Edge and Calculate FD, kept from
  // command to command so that the copies of a large image find their memory
  // ready.
  FractalEngine m_engine;
  ImageBuffer m_workingImage;
  ImageBuffer m_preparedImage;
};

}  // namespace kep
