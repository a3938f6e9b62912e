#include "desktop/document_types.h"

#include "interactive/interactive_frame.h"
#include "project/ui/project_frame.h"

namespace kep {

std::vector<DocumentType> DesktopDocumentTypes() {
  return {InteractiveDocumentType(), ProjectDocumentType()};
}

}  // namespace kep
