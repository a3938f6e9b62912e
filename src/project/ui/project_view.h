#pragma once

#include <cstdint>
#include <string>

#include "project/ui/project_pane.h"

namespace kep {

// The image pane of a project window (lower left): the current file of the
// project's list (the selected entry with the lowest index) with its aspect
// ratio kept, or two lines saying that there is no image yet. The decoded image
// is kept until the current file or its modification time changes.
class CProjectView final : public ProjectPane {
 public:
  void OnDraw(DrawContext& dc) override;

  // The size the image is drawn at in a client area: the largest that keeps its
  // aspect ratio, placed at the top-left corner.
  static Rect ImageRect(const Rect& client, std::int32_t width, std::int32_t height);

 private:
  // Reads the file into the document's image unless it holds it already; false
  // when the file gives no image.
  bool ShowFile(const std::string& path);

  std::string m_shownPath;
  std::int64_t m_shownTime = 0;
  bool m_shownLoaded = false;
};

}  // namespace kep
