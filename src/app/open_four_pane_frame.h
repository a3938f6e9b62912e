#pragma once

#include "app/four_pane_frame.h"

namespace kep {

// Creates a frame of class Frame with the layout; destroys it and returns null
// when a splitter or pane could not be made.
template <class Frame>
FourPaneFrame* OpenFourPaneFrame(wxDocument& document, wxMDIParentFrame& parent,
                                 const FourPaneLayout& layout) {
  auto* frame = new Frame;
  if (!frame->Create(document, parent, layout)) {
    frame->Destroy();
    return nullptr;
  }
  return frame;
}

}  // namespace kep
