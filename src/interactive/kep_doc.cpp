#include "interactive/kep_doc.h"

#include "image/image_file.h"
#include "interactive/image_l_view.h"
#include "interactive/image_r_view.h"
#include "interactive/input_form.h"
#include "plot/ui/output_form.h"

namespace kep {

void CKEPDoc::Reset() {
  m_fractalDimension = kNoDimension;
  m_rightPaneMode = kRightPaneImage;
  m_theoryValueText = m_theoryLabelText = m_errorValueText = m_errorLabelText = " ";
  m_loadedImage.Clear();
  m_leftImage.Clear();
  m_rightImage.Clear();
  m_resultSeries.SetSize(0);
}

bool CKEPDoc::OnOpenDocument(const wxString& path) {
  if (FormatForPath(std::string(path.fn_str())) == ImageFileFormat::kNone) {
    return KepDocument::OnOpenDocument(path);
  }
  // Refuses a file that is missing or cannot be read, as for any other file.
  if (!DoOpenDocument(path) || !OnNewDocument()) return false;
  m_imageToLoad = path;
  return true;
}

void CKEPDoc::OnWindowReady() {
  if (m_imageToLoad.empty() || !m_pInputForm) return;
  const wxString path = m_imageToLoad;
  m_imageToLoad.clear();
  m_pInputForm->LoadFile(path);
}

void CKEPDoc::ForgetPane(const DocumentPane* pane) {
  ReplaceLeavingPane(m_pInputForm, pane);
  ReplaceLeavingPane(m_pResultPanel, pane);
  ReplaceLeavingPane(m_pLeftView, pane);
  ReplaceLeavingPane(m_pRightView, pane);
}

}  // namespace kep
