#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "app/kep_document.h"
#include "image/image_buffer.h"
#include "image/point_series.h"

namespace kep {

class CProject2DOutputView;
class CProject2DSingleView;
class CProjectInputForm;
class CProjectView;

// The project document: the run settings that the project form edits and the
// results of the last batch run, one entry per measured image in file-list
// order. The list of files itself lives in the form.
class CKepProjectDoc final : public KepDocument {
 public:
  // Empties the three result lists and frees their storage.
  void ClearResults();

  void ForgetPane(const DocumentPane* pane) override;

  // The image the image pane shows; reloaded at every repaint.
  ImageBuffer m_image;

  // Set by each pane on its first update.
  CProjectInputForm* m_pInputForm = nullptr;
  CProjectView* m_pImageView = nullptr;
  CProject2DSingleView* m_pSingleView = nullptr;
  CProject2DOutputView* m_pOutputView = nullptr;

  std::int32_t m_method = 0;
  std::int32_t m_param1 = 0;
  std::int32_t m_param2 = 0;
  std::int32_t m_param3 = 0;

  // Per measured image: its position in the file list counted from 1, its
  // dimension (or -1.0), and the series the dimension was fitted from.
  std::vector<double> m_imageNumbers;
  std::vector<double> m_dimensions;
  std::vector<std::unique_ptr<PointSeries>> m_series;
};

}  // namespace kep
