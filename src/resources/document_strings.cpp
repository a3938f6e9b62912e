#include "resources/document_strings.h"

#include <wx/arrstr.h>

namespace kep {

DocumentStrings ParseDocumentStrings(const char* text) {
  wxArrayString fields = wxSplit(wxString::FromUTF8(text), '\n', '\0');
  fields.resize(7);
  return {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]};
}

}  // namespace kep
