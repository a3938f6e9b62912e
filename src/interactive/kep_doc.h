#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <wx/string.h>

#include "app/kep_document.h"
#include "app/method_form.h"
#include "failure/failure.h"
#include "fractal/fractal_engine.h"
#include "fractal/measure_result.h"
#include "image/image_buffer.h"
#include "image/point_series.h"
#include "plot/ui/result_document.h"

class wxUpdateUIEvent;

namespace kep {

// What the right image pane shows.
inline constexpr std::int32_t kRightPaneImage = 0;
inline constexpr std::int32_t kRightPaneHistogram = 1;
inline constexpr std::int32_t kRightPanePlot = 2;

// What the last calculation measured, and with what.
struct ResultSource {
  wxString file;
  std::int32_t method = 0;
  std::array<std::int32_t, 3> params{};
  std::int32_t particleBrightness = 255;
  // The left image as it was measured; none before a calculation.
  std::shared_ptr<const ImageBuffer> image;
};

// The dimension between two consecutive points of the fit, by their x.
struct LocalDimension {
  std::int32_t fromX = 0;
  std::int32_t toX = 0;
  double dimension = 0.0;
};

// The interactive document: one image under analysis in three versions, the
// chosen method with its parameters, and the last result, which always belongs
// to the image and the method shown: loading and choosing another method clear
// it. Every command reads the left image and writes the right one. The result
// leaves the program through Edit > Copy and the File menu's exports; its local
// dimensions and the particles of the measured image, each measured on its own,
// are listed in tables of their own (Window > Local Dimensions, Window >
// Particles).
class CKEPDoc final : public KepDocument, public ResultDocument, public MethodChoice {
 public:
  CKEPDoc();

  // Back to the state before a file is read: no file, no result, no images,
  // the right pane on its image.
  void Reset();
  // No calculation: no dimension, no points, nothing that comes with them.
  void ClearResult();
  // Takes a calculation that ran to its end: with a dimension, the result and
  // the picture the method measured into the right image; without, no result
  // but the reason. Either way what was measured, and its particles when they
  // were measured with it.
  void TakeCalculation(MeasureResult result, ResultSource source, bool withParticles);
  bool HasCalculation() const { return m_resultSource.image != nullptr; }

  // Resets the document and reads the image file by the extension rule into
  // all three images; a file that does not load is named with the reason. Then
  // the panes show it.
  void OpenImage(const wxString& path);

  // A file that loads as an image is not the document's file: the document
  // opens as a new one and loads the image once its window is ready, so that
  // saving asks for a name and never writes over the image. Any other file
  // gives an empty window.
  bool OnOpenDocument(const wxString& path) override;
  void OnWindowReady() override;
  // Why the last calculation gave no dimension, while its result is shown.
  wxString StatusText() const override;

  std::int32_t ResultMethod() const override { return m_method; }
  double ResultDimension() const override { return m_fractalDimension; }
  const PointSeries& ResultSeries() const override { return m_resultSeries; }
  std::optional<DimensionInterval> ResultInterval() const override { return m_interval; }
  const wxString& ErrorValueText() const override { return m_errorValueText; }
  const wxString& ErrorLabelText() const override { return m_errorLabelText; }
  const wxString& TheoryValueText() const override { return m_theoryValueText; }
  const wxString& TheoryLabelText() const override { return m_theoryLabelText; }

  // The file the images were read from; empty until a file has loaded.
  wxString m_loadedFile;
  // The image exactly as read from the file.
  ImageBuffer m_loadedImage;
  // The left pane's image: the input of every command.
  ImageBuffer m_leftImage;
  // The output of the pre-processing commands, and the outline image after a
  // successful calculation.
  ImageBuffer m_rightImage;

  std::int32_t m_rightPaneMode = kRightPaneImage;
  double m_fractalDimension = kNoDimension;
  PointSeries m_resultSeries;
  ResultSource m_resultSource;
  std::optional<DimensionInterval> m_interval;
  std::vector<LocalDimension> m_localDimensions;
  // Why the last calculation found no dimension.
  std::optional<Failure> m_resultFailure;
  // The particles of the measured image, each measured on its own; none until
  // they are asked for.
  std::optional<std::vector<ParticleMeasurement>> m_particles;

  // The result form's texts for a theoretical dimension and a percentage error;
  // a single space until something better is known.
  wxString m_theoryValueText = " ";
  wxString m_theoryLabelText = " ";
  wxString m_errorValueText = " ";
  wxString m_errorLabelText = " ";

 private:
  bool HasResult() const { return m_fractalDimension >= 0.0; }
  void OnCopy();
  void OnExportPlot();
  void OnExportPoints();
  // Measures the particles of the last calculation unless they are, then lists
  // them.
  void OnParticles();
  void OnLocalDimensions();

  wxString m_imageToLoad;
};

}  // namespace kep
