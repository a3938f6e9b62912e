#pragma once

#include "project/ui/project_pane.h"

namespace kep {

// The image pane of a project window (lower left): the current file of the
// project's list, or two lines saying that there is no image yet.
class CProjectView final : public ProjectPane {
 public:
  void OnInitialUpdate() override;
  void OnDraw(DrawContext& dc) override;
};

}  // namespace kep
