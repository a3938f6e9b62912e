// The input form's commands. Each takes the values from the controls first and
// does nothing else when one is refused; then it works on the document's
// images, sets what the right pane shows, and asks the other panes to redraw.
// Get Edge and Calculate FD work on a thread of their own, and can be cancelled.

#include <atomic>
#include <memory>
#include <new>
#include <utility>

#include "app/busy_scope.h"
#include "app/canvas_pane.h"
#include "app/dialog_service.h"
#include "app/file_path.h"
#include "app/four_pane_frame.h"
#include "app/long_work.h"
#include "app/pane_view.h"
#include "app/table_window.h"
#include "interactive/input_form.h"
#include "interactive/kep_doc.h"
#include "interactive/result_tables.h"
#include "preprocess/preprocess_sequence.h"
#include "preprocess/remove_regions.h"
#include "preprocess/threshold.h"
#include "project/measurement.h"

namespace kep {

namespace {

constexpr const char* kNoEdgesMessage = "Can't get the edges of the picture";
constexpr const char* kSwapHistogramMessage =
    "Can't swap because the right side picture is histogram!";

}  // namespace

bool CInputForm::BothImagesPresent() const {
  const CKEPDoc* document = GetDocument();
  return document->m_leftImage.IsLoaded() && document->m_rightImage.IsLoaded();
}

void CInputForm::OnLoadFile() {
  if (!TakeValues()) return;
  const wxString path = Dialogs().AskOpenPath(this, kLoadFileFilter);
  if (!path.empty()) LoadFile(path);
}

void CInputForm::LoadFile(const wxString& path) { GetDocument()->OpenImage(path); }

void CInputForm::OnHistogram() {
  if (!TakeValues()) return;
  GetDocument()->m_rightPaneMode = kRightPaneHistogram;
  NotifyOtherPanes();
}

void CInputForm::OnThreshold() {
  if (!TakeValues() || !BothImagesPresent()) return;
  BusyScope busy;
  CKEPDoc* document = GetDocument();
  ThresholdBright(document->m_rightImage, WholePercent(m_brightPercent),
                  static_cast<std::uint8_t>(m_lowerBrightness),
                  static_cast<std::uint8_t>(m_higherBrightness), document->m_leftImage);
  document->m_rightImage.FillBorder(2, 0);
  document->m_rightPaneMode = kRightPaneImage;
  NotifyOtherPanes();
}

void CInputForm::OnDeleteSP() {
  if (!TakeParticleValues() || !BothImagesPresent()) return;
  BusyScope busy;
  CKEPDoc* document = GetDocument();
  RemoveRegions(document->m_rightImage, static_cast<std::uint8_t>(m_particleBrightness),
                static_cast<std::uint8_t>(m_background), m_minParticleSize, document->m_leftImage);
  NotifyOtherPanes();
}

void CInputForm::OnFillHoles() {
  if (!TakeParticleValues() || !BothImagesPresent()) return;
  BusyScope busy;
  CKEPDoc* document = GetDocument();
  RemoveRegions(document->m_rightImage, static_cast<std::uint8_t>(m_background),
                static_cast<std::uint8_t>(m_particleBrightness), m_minHoleSize,
                document->m_leftImage);
  NotifyOtherPanes();
}

// The whole preparation for measuring, as the batch and the command line make
// it: threshold, a background frame, small particles removed, small holes
// filled; then the engine's outline image.
void CInputForm::OnGetEdge() {
  if (!TakeParticleValues()) return;
  CKEPDoc* document = GetDocument();
  std::optional<Failure> failure = Failure(FailureCode::kNoImage, "no image");
  if (BothImagesPresent()) {
    const std::int32_t particle = m_particleBrightness;
    const PreprocessSettings preprocess = Preprocessing();
    RunLongWork(this, "Get Edge", {"Getting the edges of " + ImageName()},
                [&](const std::atomic<bool>& stop, ProgressReport&) {
                  failure = PrepareOutlines(m_workspace, document->m_leftImage, particle,
                                            preprocess, &stop);
                });
    if (Cancelled(failure)) return;
  }
  document->m_rightPaneMode = kRightPaneImage;
  if (failure) {
    Dialogs().ShowMessage(this, kNoEdgesMessage);
  } else {
    document->m_rightImage.CopyFrom(m_workspace.engine.outlineImage);
  }
  NotifyOtherPanes();
}

// The two images have the same size, so exchanging them exchanges their pixels.
void CInputForm::OnSwap() {
  if (!TakeValues() || !BothImagesPresent()) return;
  CKEPDoc* document = GetDocument();
  if (document->m_rightPaneMode == kRightPaneHistogram) {
    Dialogs().ShowMessage(this, kSwapHistogramMessage);
    return;
  }
  std::swap(document->m_leftImage, document->m_rightImage);
  NotifyOtherPanes();
}

// The left image is measured as it is, on a thread of its own, and the document
// takes the result once the measurement has ended; a measurement that was
// cancelled leaves the document as it was. While a particle table is open, the
// particles are measured with it.
void CInputForm::OnCalculateFD() {
  if (!TakeParticleValues()) return;
  CKEPDoc* document = GetDocument();
  const MeasureSettings settings{
      .method = static_cast<std::uint32_t>(document->m_method),
      .params = {document->m_param1, document->m_param2, document->m_param3},
      .particle = m_particleBrightness};
  const bool withParticles = TableWindow::IsOpen(*document, kParticlesTable);
  MeasureOptions options{.keepOutline = true, .eachParticle = withParticles};
  MeasureResult result;
  if (m_animate) {
    result = MeasureAnimated(settings, options);
  } else {
    const std::string step =
        "Measuring " + ImageName() + " with " + kMethods[settings.method].listText;
    RunLongWork(this, "Calculate FD", {step}, [&](const std::atomic<bool>& stop, ProgressReport&) {
      options.stop = &stop;
      result = MeasureImage(m_workspace, document->m_leftImage, settings, options);
    });
    if (Cancelled(result.failure)) return;
  }

  auto measured = std::make_shared<ImageBuffer>();
  if (!measured->CopyFrom(document->m_leftImage)) throw std::bad_alloc();
  const std::string message = result.failure ? result.failure->message : std::string();
  const bool found = result.HasDimension();
  document->TakeCalculation(std::move(result),
                            {document->m_loadedFile, document->m_method, settings.params,
                             m_particleBrightness, std::move(measured)},
                            withParticles);
  if (!found) {
    if (!message.empty()) Dialogs().ShowMessage(this, wxString::FromUTF8(message));
    Dialogs().ShowMessage(this, kNoDimensionMessage);
  }
  document->m_rightPaneMode = kRightPanePlot;
  NotifyOtherPanes();
}

// With "Animate" the method draws its steps into the right pane, on this thread.
// The result shown before goes first, so that nothing of it stands beside the
// steps.
MeasureResult CInputForm::MeasureAnimated(const MeasureSettings& settings, MeasureOptions options) {
  CKEPDoc* document = GetDocument();
  document->ClearResult();
  NotifyOtherPanes();
  auto* frame = dynamic_cast<FourPaneFrame*>(GetView()->GetFrame());
  auto* pane = frame ? dynamic_cast<CanvasPane*>(frame->Pane(FourPaneFrame::kLowerRight)) : nullptr;
  BusyScope busy(pane ? BusyScope::Painting::kKept : BusyScope::Painting::kBlocked);
  options.animation = pane ? &pane->BeginLiveDrawing() : nullptr;
  return MeasureImage(m_workspace, document->m_leftImage, settings, options);
}

// The name of the file the images come from, or the window's when none has
// loaded.
std::string CInputForm::ImageName() const {
  const wxString& file = GetDocument()->m_loadedFile;
  return FileNameOf(PathBytes(file.empty() ? GetDocument()->GetUserReadableName() : file));
}

}  // namespace kep
