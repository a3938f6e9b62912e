// The input form's commands. Each takes the values from the controls first and
// does nothing else when one is refused; then it works on the document's
// images, sets what the right pane shows, and asks the other panes to redraw.

#include <utility>

#include "app/busy_scope.h"
#include "app/canvas_pane.h"
#include "app/dialog_service.h"
#include "app/four_pane_frame.h"
#include "app/pane_view.h"
#include "interactive/input_form.h"
#include "interactive/kep_doc.h"
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

void CInputForm::OnGetEdge() {
  if (!TakeParticleValues()) return;
  GetDocument()->m_rightPaneMode = kRightPaneImage;
  BusyScope busy;
  const bool done = GetEdges();
  if (!done) Dialogs().ShowMessage(this, kNoEdgesMessage);
  NotifyOtherPanes();
}

// The whole preparation for measuring, as the batch and the command line make
// it: threshold, a background frame, small particles removed, small holes
// filled; then the engine's outline image.
bool CInputForm::GetEdges() {
  if (!BothImagesPresent()) return false;
  CKEPDoc* document = GetDocument();
  if (PrepareOutlines(m_workspace, document->m_leftImage, m_particleBrightness, Preprocessing())) {
    return false;
  }
  document->m_rightImage.CopyFrom(m_workspace.engine.outlineImage);
  return true;
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

// The left image is measured as it is. The result shown before goes first, so
// that nothing of it stands beside the steps of an animation; with "Animate" the
// method draws its steps into the right pane. A failed calculation leaves no
// result.
void CInputForm::OnCalculateFD() {
  if (!TakeParticleValues()) return;
  CKEPDoc* document = GetDocument();
  document->ClearResult();
  NotifyOtherPanes();
  const MeasureSettings settings{
      .method = static_cast<std::uint32_t>(document->m_method),
      .params = {document->m_param1, document->m_param2, document->m_param3},
      .particle = m_particleBrightness};
  auto* frame = dynamic_cast<FourPaneFrame*>(GetView()->GetFrame());
  CanvasPane* animationPane =
      m_animate && frame ? dynamic_cast<CanvasPane*>(frame->Pane(FourPaneFrame::kLowerRight))
                         : nullptr;
  MeasureResult result;
  {
    BusyScope busy(animationPane ? BusyScope::Painting::kKept : BusyScope::Painting::kBlocked);
    DrawContext* animation = animationPane ? &animationPane->BeginLiveDrawing() : nullptr;
    result = MeasureImage(m_workspace, document->m_leftImage, settings,
                          {.keepOutline = true, .animation = animation});
  }
  if (result.HasDimension()) {
    document->m_fractalDimension = result.dimension;
    document->m_resultSeries = std::move(result.points);
    document->m_resultSource = {document->m_loadedFile, document->m_method, settings.params,
                                m_particleBrightness};
    document->m_rightImage.CopyFrom(*result.outline);
  } else {
    if (!result.failure->message.empty()) {
      Dialogs().ShowMessage(this, wxString::FromUTF8(result.failure->message));
    }
    Dialogs().ShowMessage(this, kNoDimensionMessage);
  }
  document->m_rightPaneMode = kRightPanePlot;
  NotifyOtherPanes();
}

}  // namespace kep
