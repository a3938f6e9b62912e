#pragma once

#include "app/four_pane_frame.h"

namespace kep {

// The window of an interactive document: the input form (260 wide), the result
// form above (250 high), the left image pane (350 wide) and the right one.
class CInteractiveFrame final : public FourPaneFrame {
 public:
  // Makes and shows the frame; null when it could not be made.
  static FourPaneFrame* Open(wxDocument& document, wxMDIParentFrame& parent);
};

}  // namespace kep
