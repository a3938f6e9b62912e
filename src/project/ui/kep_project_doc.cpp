#include "project/ui/kep_project_doc.h"

#include "project/ui/project_2d_output_view.h"
#include "project/ui/project_2d_single_view.h"
#include "project/ui/project_input_form.h"
#include "project/ui/project_view.h"

namespace kep {

void CKepProjectDoc::ForgetPane(const DocumentPane* pane) {
  ReplaceLeavingPane(m_pInputForm, pane);
  ReplaceLeavingPane(m_pImageView, pane);
  ReplaceLeavingPane(m_pSingleView, pane);
  ReplaceLeavingPane(m_pOutputView, pane);
}

}  // namespace kep
