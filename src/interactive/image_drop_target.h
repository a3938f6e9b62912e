#pragma once

#include <wx/dnd.h>

namespace kep {

class CInputForm;

// Files dropped on an interactive window: the first BMP or TIFF file among them
// is loaded as "Load File..." would load it. A drop without one, or while a
// command runs, is refused and changes nothing.
class ImageDropTarget final : public wxFileDropTarget {
 public:
  explicit ImageDropTarget(CInputForm& form) : m_form(form) {}

  bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& paths) override;

 private:
  CInputForm& m_form;
};

}  // namespace kep
