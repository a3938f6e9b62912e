#pragma once

#include "project/ui/project_pane.h"

namespace kep {

// The dimension plot of a project window (upper right): each measured image's
// fractal dimension against its image number.
class CProject2DOutputView final : public ProjectPane {
 public:
  void OnDraw(DrawContext& dc) override;
};

}  // namespace kep
