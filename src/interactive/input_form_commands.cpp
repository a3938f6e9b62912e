// The input form's commands. Each works on the document's images, sets what the
// right pane shows, and asks the other panes to redraw.

#include <utility>

#include "app/busy_scope.h"
#include "app/dialog_service.h"
#include "interactive/image_r_view.h"
#include "interactive/input_form.h"
#include "interactive/kep_doc.h"
#include "preprocess/preprocess_sequence.h"
#include "preprocess/remove_regions.h"
#include "preprocess/threshold.h"
#include "project/image_reading.h"
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
  const wxString path = Dialogs().AskOpenPath(this, kLoadFileFilter);
  if (!path.empty()) LoadFile(path);
}

// The document is reset before the extension is looked at. A file the reader
// refuses leaves the three images as the reader left them, and the message says
// why.
void CInputForm::LoadFile(const wxString& path) {
  CKEPDoc* document = GetDocument();
  m_fileName = path;
  m_fields.ToControls();
  document->Modify(true);
  document->Reset();

  BusyScope busy;
  const std::string file(path.fn_str());
  const ImageRead read = ReadImage(file, document->m_loadedImage);
  if (read.status == ImageReadStatus::kWrongExtension) {
    Dialogs().ShowMessage(this, kSelectBitmapOrTiffMessage);
    NotifyOtherPanes();
    return;
  }
  if (!read.Loaded()) Dialogs().ShowMessage(this, wxString::FromUTF8(read.Message(file)));
  document->m_leftImage.CopyFrom(document->m_loadedImage);
  document->m_rightImage.CopyFrom(document->m_loadedImage);
  document->m_rightPaneMode = kRightPaneImage;
  NotifyOtherPanes();
}

void CInputForm::OnHistogram() {
  GetDocument()->m_rightPaneMode = kRightPaneHistogram;
  NotifyOtherPanes();
}

void CInputForm::OnThreshold() {
  if (!BothImagesPresent() || !IsBrightness(m_lowerBrightness) ||
      !IsBrightness(m_higherBrightness)) {
    return;
  }
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
  if (!BothImagesPresent() || !IsParticleValue(m_particleBrightness)) return;
  BusyScope busy;
  CKEPDoc* document = GetDocument();
  RemoveRegions(document->m_rightImage, static_cast<std::uint8_t>(m_particleBrightness),
                static_cast<std::uint8_t>(m_background), m_minParticleSize, document->m_leftImage);
  NotifyOtherPanes();
}

void CInputForm::OnFillHoles() {
  if (!BothImagesPresent()) return;
  if (!IsParticleValue(m_particleBrightness)) {
    Dialogs().ShowMessage(this, kBadParticleMessage);
    return;
  }
  BusyScope busy;
  CKEPDoc* document = GetDocument();
  RemoveRegions(document->m_rightImage, static_cast<std::uint8_t>(m_background),
                static_cast<std::uint8_t>(m_particleBrightness), m_minHoleSize,
                document->m_leftImage);
  NotifyOtherPanes();
}

void CInputForm::OnGetEdge() {
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
  const PreprocessSettings settings{m_brightPercent, m_lowerBrightness, m_higherBrightness,
                                    m_minParticleSize, m_minHoleSize};
  if (PrepareOutlines(m_workspace, document->m_leftImage, m_particleBrightness, settings)) {
    return false;
  }
  document->m_rightImage.CopyFrom(m_workspace.engine.outlineImage);
  return true;
}

// The two images have the same size, so exchanging them exchanges their pixels.
void CInputForm::OnSwap() {
  if (!BothImagesPresent()) return;
  CKEPDoc* document = GetDocument();
  if (document->m_rightPaneMode == kRightPaneHistogram) {
    Dialogs().ShowMessage(this, kSwapHistogramMessage);
    return;
  }
  std::swap(document->m_leftImage, document->m_rightImage);
  NotifyOtherPanes();
}

// The left image is measured as it is. With "Animate" the method draws its
// steps into the right pane.
void CInputForm::OnCalculateFD() {
  CKEPDoc* document = GetDocument();
  const MeasureSettings settings{
      .method = static_cast<std::uint32_t>(document->m_method),
      .params = {document->m_param1, document->m_param2, document->m_param3},
      .particle = m_particleBrightness};
  CImageRView* animationPane = m_animate ? document->m_pRightView : nullptr;
  MeasureResult result;
  {
    BusyScope busy(animationPane ? BusyScope::Painting::kKept : BusyScope::Painting::kBlocked);
    DrawContext* animation = animationPane ? &animationPane->BeginLiveDrawing() : nullptr;
    result = MeasureImage(m_workspace, document->m_leftImage, settings,
                          {.keepOutline = true, .animation = animation});
  }
  document->m_fractalDimension = result.dimension;
  document->m_resultSeries = std::move(result.points);
  if (result.HasDimension()) {
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
