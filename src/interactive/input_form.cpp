#include "interactive/input_form.h"

#include "interactive/kep_doc.h"

namespace kep {

CKEPDoc* CInputForm::GetDocument() const {
  return dynamic_cast<CKEPDoc*>(DocumentPane::GetDocument());
}

void CInputForm::OnInitialUpdate() {
  FormPane::OnInitialUpdate();
  GetDocument()->m_pInputForm = this;
}

}  // namespace kep
