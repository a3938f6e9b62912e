#include "project/ui/project_pane.h"

#include "app/export_commands.h"
#include "project/ui/kep_project_doc.h"

namespace kep {

CKepProjectDoc* ProjectPane::GetDocument() const {
  return dynamic_cast<CKepProjectDoc*>(DocumentPane::GetDocument());
}

void ProjectPane::OnInitialUpdate() {
  CanvasPane::OnInitialUpdate();
  SetScrollSizes(100, 100);
  OfferExportMenu(*this);
}

}  // namespace kep
