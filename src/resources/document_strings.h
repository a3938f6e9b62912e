#pragma once

#include <wx/string.h>

namespace kep {

// How each document type describes itself: seven fields separated by newlines.
inline constexpr const char* kInteractiveDocumentStrings =
    "\nKEP\nKEP\n\n\nKEP.Document\nKEP Document";
inline constexpr const char* kProjectDocumentStrings =
    "\nPROJECT\nPROJECT\n\n\nPROJECT.Document\nPROJECT Document";

struct DocumentStrings {
  wxString windowTitle;
  wxString documentName;  // the base of untitled documents' names
  wxString newName;       // the name "New" offers
  wxString filterName;
  wxString filterExtension;
  wxString typeId;
  wxString typeName;
};

// Missing fields stay empty.
DocumentStrings ParseDocumentStrings(const char* text);

}  // namespace kep
