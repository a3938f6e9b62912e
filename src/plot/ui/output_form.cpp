#include "plot/ui/output_form.h"

#include "interactive/kep_doc.h"

namespace kep {

CKEPDoc* COutputForm::GetDocument() const {
  return dynamic_cast<CKEPDoc*>(DocumentPane::GetDocument());
}

void COutputForm::OnInitialUpdate() {
  FormPane::OnInitialUpdate();
  GetDocument()->m_pResultPanel = this;
}

}  // namespace kep
