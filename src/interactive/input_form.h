#pragma once

#include <span>
#include <string>

#include <wx/string.h>

#include "app/form_command.h"
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
// Every command takes the values from the controls first and does nothing when
// one is refused; then it reads the left image, writes the right one, and asks
// the other panes to redraw.
class CInputForm final : public MethodForm {
 public:
  // Where the form places the buttons of its commands.
  enum CommandPlace { kAtTop, kBesideAnimate, kToolColumn, kBesideTools };

  bool Create(wxWindow* parent, wxDocument& document, wxWindow& frame) override;

  CKEPDoc* GetDocument() const;
  void OnInitialUpdate() override;
  // The document's loaded file is shown under "FileName :".
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

  // The buttons of the form and their commands.
  static std::span<const FormCommand<CInputForm>> Commands();

  // The form's values besides those of the method choice and the pre-processing.
  wxString m_fileName;
  bool m_animate = false;

 protected:
  MethodChoice& Choice() const override;
  // Another method's result is no result of the chosen one.
  void ChooseMethod(std::int32_t method) override;

 private:
  void BuildControls();
  wxSizer* NewCalculationGroup();
  wxSizer* NewToolsGroup();
  wxSizer* NewParticleFields();
  bool BothImagesPresent() const;
  MeasureResult MeasureAnimated(const MeasureSettings& settings, MeasureOptions options);
  std::string ImageName() const;

  // The engine and the working images of Get Edge and Calculate FD, kept from
  // command to command so that the copies of a large image find their memory
  // ready.
  MeasureWorkspace m_workspace;
};

}  // namespace kep
