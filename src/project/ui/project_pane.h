#pragma once

#include "app/canvas_pane.h"

namespace kep {

class CKepProjectDoc;

// What the three display panes of a project window share: the document, a
// scrollable area of 100 x 100 pixels after the first update, and the menu of a
// right click, which copies the file list with the dimensions or exports the
// dimension plot.
class ProjectPane : public CanvasPane {
 public:
  CKepProjectDoc* GetDocument() const;
  void OnInitialUpdate() override;
};

}  // namespace kep
