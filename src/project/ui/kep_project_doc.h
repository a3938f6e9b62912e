#pragma once

#include <cstdint>

#include "app/kep_document.h"
#include "app/method_form.h"
#include "image/image_buffer.h"
#include "project/batch_results.h"

namespace kep {

class CProject2DOutputView;
class CProject2DSingleView;
class CProjectInputForm;
class CProjectView;

// The project document: the run settings that the project form edits and the
// results of the last batch run, one entry per measured image in file-list
// order. The list of files itself lives in the form. It has no file of its own
// and never counts as modified.
class CKepProjectDoc final : public KepDocument, public BatchResults, public MethodChoice {
 public:
  void ForgetPane(const DocumentPane* pane) override;

  // The image the image pane shows.
  ImageBuffer m_image;

  // Set by each pane on its first update.
  CProjectInputForm* m_pInputForm = nullptr;
  CProjectView* m_pImageView = nullptr;
  CProject2DSingleView* m_pSingleView = nullptr;
  CProject2DOutputView* m_pOutputView = nullptr;
};

}  // namespace kep
