#pragma once

#include <cstdint>

#include <wx/string.h>

#include "app/kep_document.h"
#include "fractal/fractal_engine.h"
#include "image/image_buffer.h"
#include "image/point_series.h"

namespace kep {

class CImageLView;
class CImageRView;
class CInputForm;
class COutputForm;

// What the right image pane shows.
inline constexpr std::int32_t kRightPaneImage = 0;
inline constexpr std::int32_t kRightPaneHistogram = 1;
inline constexpr std::int32_t kRightPanePlot = 2;

// The interactive document: one image under analysis in three versions, the
// chosen method with its parameters, and the last result. Every command reads
// the left image and writes the right one.
class CKEPDoc final : public KepDocument {
 public:
  // Back to the state before a file is read: no result, no images, the right pane
  // on its image.
  void Reset();

  void ForgetPane(const DocumentPane* pane) override;

  // The image exactly as read from the file.
  ImageBuffer m_loadedImage;
  // The left pane's image: the input of every command.
  ImageBuffer m_leftImage;
  // The output of the pre-processing commands, and the outline image after a
  // successful calculation.
  ImageBuffer m_rightImage;

  // Set by each pane on its first update. The right pane is the window the
  // methods animate in.
  CInputForm* m_pInputForm = nullptr;
  COutputForm* m_pResultPanel = nullptr;
  CImageLView* m_pLeftView = nullptr;
  CImageRView* m_pRightView = nullptr;

  std::int32_t m_rightPaneMode = kRightPaneImage;
  std::int32_t m_method = 0;
  std::int32_t m_param1 = 0;
  std::int32_t m_param2 = 0;
  std::int32_t m_param3 = 0;
  double m_fractalDimension = kNoDimension;
  PointSeries m_resultSeries;

  // The result form's texts for a theoretical dimension and a percentage error;
  // a single space until something better is known.
  wxString m_theoryValueText = " ";
  wxString m_theoryLabelText = " ";
  wxString m_errorValueText = " ";
  wxString m_errorLabelText = " ";
};

}  // namespace kep
