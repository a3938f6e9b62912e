#include "project/ui/project_frame.h"

#include "app/open_four_pane_frame.h"
#include "project/ui/kep_project_doc.h"
#include "project/ui/project_2d_output_view.h"
#include "project/ui/project_2d_single_view.h"
#include "project/ui/project_input_form.h"
#include "project/ui/project_view.h"
#include "resources/document_strings.h"

namespace kep {

namespace {

const FourPaneLayout kProjectLayout = {
    []() -> DocumentPane* { return new CProjectInputForm; },
    []() -> DocumentPane* { return new CProject2DOutputView; },
    []() -> DocumentPane* { return new CProjectView; },
    []() -> DocumentPane* { return new CProject2DSingleView; },
    260,
    320,
    300,
};

}  // namespace

FourPaneFrame* CProjectFrame::Open(wxDocument& document, wxMDIParentFrame& parent) {
  return OpenFourPaneFrame<CProjectFrame>(document, parent, kProjectLayout);
}

DocumentType ProjectDocumentType() {
  return {kProjectDocumentStrings, []() -> wxDocument* { return new CKepProjectDoc; },
          &CProjectFrame::Open};
}

}  // namespace kep
