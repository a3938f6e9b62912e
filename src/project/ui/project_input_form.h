#pragma once

#include "app/form_pane.h"

namespace kep {

class CKepProjectDoc;

// The form on the left of a project window: the method and its parameters, the
// project's files and the pre-processing values.
class CProjectInputForm final : public FormPane {
 public:
  CKepProjectDoc* GetDocument() const;
  void OnInitialUpdate() override;
};

}  // namespace kep
