#include "app/interactive_frame.h"

#include "app/open_four_pane_frame.h"
#include "interactive/image_l_view.h"
#include "interactive/image_r_view.h"
#include "interactive/input_form.h"
#include "plot/ui/output_form.h"

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
  return OpenFourPaneFrame<CInteractiveFrame>(document, parent, kInteractiveLayout);
}

}  // namespace kep
