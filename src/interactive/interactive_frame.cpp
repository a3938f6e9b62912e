#include "interactive/interactive_frame.h"

#include "app/open_four_pane_frame.h"
#include "interactive/image_drop_target.h"
#include "interactive/image_l_view.h"
#include "interactive/image_r_view.h"
#include "interactive/input_form.h"
#include "interactive/kep_doc.h"
#include "plot/ui/output_form.h"
#include "resources/document_strings.h"

namespace kep {

namespace {

const FourPaneLayout kInteractiveLayout = {
    []() -> DocumentPane* { return new CInputForm; },
    []() -> DocumentPane* { return new COutputForm; },
    []() -> DocumentPane* { return new CImageLView; },
    []() -> DocumentPane* { return new CImageRView; },
    260,
    250,
    350,
};

}  // namespace

FourPaneFrame* CInteractiveFrame::Open(wxDocument& document, wxMDIParentFrame& parent) {
  FourPaneFrame* frame = OpenFourPaneFrame<CInteractiveFrame>(document, parent, kInteractiveLayout);
  if (frame)
    frame->SetDropTarget(
        new ImageDropTarget(*static_cast<CInputForm*>(frame->Pane(FourPaneFrame::kForm))));
  return frame;
}

DocumentType InteractiveDocumentType() {
  return {kInteractiveDocumentStrings, []() -> wxDocument* { return new CKEPDoc; },
          &CInteractiveFrame::Open};
}

}  // namespace kep
