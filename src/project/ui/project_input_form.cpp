#include "project/ui/project_input_form.h"

#include "project/ui/kep_project_doc.h"

namespace kep {

CKepProjectDoc* CProjectInputForm::GetDocument() const {
  return dynamic_cast<CKepProjectDoc*>(DocumentPane::GetDocument());
}

void CProjectInputForm::OnInitialUpdate() {
  FormPane::OnInitialUpdate();
  GetDocument()->m_pInputForm = this;
}

}  // namespace kep
