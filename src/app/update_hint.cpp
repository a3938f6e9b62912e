#include "app/update_hint.h"

#include <wx/docview.h>

namespace kep {

bool IsChange(const wxObject* hint, Change change) {
  const auto* update = dynamic_cast<const UpdateHint*>(hint);
  return update != nullptr && update->What() == change;
}

void NotifyPanes(wxDocument& document, Change change, wxView* except) {
  UpdateHint hint(change);
  document.UpdateAllViews(except, &hint);
}

}  // namespace kep
