#include "interactive/image_drop_target.h"

#include "app/busy_scope.h"
#include "app/file_path.h"
#include "image/image_file.h"
#include "interactive/input_form.h"

namespace kep {

bool ImageDropTarget::OnDropFiles(wxCoord, wxCoord, const wxArrayString& paths) {
  // A running command still reads the images.
  if (BusyScope::IsBusy()) return false;
  for (const wxString& path : paths) {
    if (FormatForPath(PathBytes(path)) == ImageFileFormat::kNone) continue;
    m_form.LoadFile(path);
    return true;
  }
  return false;
}

}  // namespace kep
