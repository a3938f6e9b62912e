#pragma once

#include "project/ui/project_pane.h"

namespace kep {

// The single-image plot of a project window (lower right): the log-log data of
// the current file with its dimension.
class CProject2DSingleView final : public ProjectPane {
 public:
  void OnDraw(DrawContext& dc) override;
};

}  // namespace kep
