#include "project/ui/project_view.h"

#include "project/ui/kep_project_doc.h"

namespace kep {

void CProjectView::OnInitialUpdate() {
  ProjectPane::OnInitialUpdate();
  GetDocument()->m_pImageView = this;
}

void CProjectView::OnDraw(DrawContext& dc) {
  const Rect client = dc.ClientRect();
  const std::int32_t middle = (client.left + client.right) / 2;
  dc.DrawText(middle - 50, client.top + 30, "Show Image Here");
  dc.DrawText(middle - 45, client.top + 50, "(No Image Yet!)");
}

}  // namespace kep
