#pragma once

#include <cstdint>

#include <wx/string.h>

#include "app/kep_document.h"
#include "app/method_form.h"
#include "fractal/fractal_engine.h"
#include "image/image_buffer.h"
#include "image/point_series.h"
#include "plot/ui/result_document.h"

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
class CKEPDoc final : public KepDocument, public ResultDocument, public MethodChoice {
 public:
  // Back to the state before a file is read: no result, no images, the right pane
  // on its image.
  void Reset();

  // A file that the input form loads as an image is not the document's file:
  // the document opens as a new one and loads the image once its window is
  // ready, so that saving asks for a name and never writes over the image. Any
  // other file gives an empty window.
  bool OnOpenDocument(const wxString& path) override;
  void OnWindowReady() override;

  void ForgetPane(const DocumentPane* pane) override;

  std::int32_t ResultMethod() const override { return m_method; }
  double ResultDimension() const override { return m_fractalDimension; }
  const PointSeries& ResultSeries() const override { return m_resultSeries; }
  const wxString& ErrorValueText() const override { return m_errorValueText; }
  const wxString& ErrorLabelText() const override { return m_errorLabelText; }
  const wxString& TheoryValueText() const override { return m_theoryValueText; }
  const wxString& TheoryLabelText() const override { return m_theoryLabelText; }
  void SetResultPanel(COutputForm* form) override { m_pResultPanel = form; }

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
  double m_fractalDimension = kNoDimension;
  PointSeries m_resultSeries;

  // The result form's texts for a theoretical dimension and a percentage error;
  // a single space until something better is known.
  wxString m_theoryValueText = " ";
  wxString m_theoryLabelText = " ";
  wxString m_errorValueText = " ";
  wxString m_errorLabelText = " ";

 private:
  wxString m_imageToLoad;
};

}  // namespace kep
