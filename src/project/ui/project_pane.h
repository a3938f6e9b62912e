#pragma once

#include "app/canvas_pane.h"

namespace kep {

class CKepProjectDoc;

// What the three display panes of a project window share: the document, and a
// scrollable area of 100 x 100 pixels after the first update.
class ProjectPane : public CanvasPane {
 public:
  CKepProjectDoc* GetDocument() const;
  void OnInitialUpdate() override;
};

}  // namespace kep
