#pragma once

#include <vector>

#include "app/kep_doc_template.h"

namespace kep {

// The desktop program's document types in the order "New" offers them: the
// interactive type first, so that every opened file becomes an interactive
// document, then the project.
std::vector<DocumentType> DesktopDocumentTypes();

}  // namespace kep
