#pragma once

#include "app/four_pane_frame.h"
#include "app/kep_doc_template.h"

namespace kep {

// The window of an interactive document: the input form (260 wide), the result
// form above (250 high), the left image pane (350 wide) and the right one. Image
// files dropped on it are loaded.
class CInteractiveFrame final : public FourPaneFrame {
 public:
  // Makes and shows the frame; null when it could not be made.
  static FourPaneFrame* Open(wxDocument& document, wxMDIParentFrame& parent);
};

// The interactive document type, with this frame as its window.
DocumentType InteractiveDocumentType();

}  // namespace kep
