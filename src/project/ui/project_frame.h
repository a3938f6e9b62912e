#pragma once

#include "app/four_pane_frame.h"
#include "app/kep_doc_template.h"

namespace kep {

// The window of a project: the project form (260 wide), the dimension plot above
// (320 high), the image pane (300 wide) and the single-image plot.
class CProjectFrame final : public FourPaneFrame {
 public:
  // Makes and shows the frame; null when it could not be made.
  static FourPaneFrame* Open(wxDocument& document, wxMDIParentFrame& parent);
};

// The project document type, with this frame as its window.
DocumentType ProjectDocumentType();

}  // namespace kep
