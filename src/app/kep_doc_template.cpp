#include "app/kep_doc_template.h"

#include <wx/app.h>
#include <wx/mdi.h>

#include "app/four_pane_frame.h"

namespace kep {

KepDocTemplate::KepDocTemplate(wxDocManager& manager, const char* documentStrings,
                               DocumentFactory createDocument, FrameFactory createFrame)
    : KepDocTemplate(manager, ParseDocumentStrings(documentStrings), createDocument,
                     createFrame) {}

// "New" offers the type by its new-name; "*" lets every file match.
KepDocTemplate::KepDocTemplate(wxDocManager& manager, const DocumentStrings& strings,
                               DocumentFactory createDocument, FrameFactory createFrame)
    : wxDocTemplate(&manager, strings.newName, "*", wxString(), wxString(), strings.documentName,
                    strings.documentName, nullptr, nullptr),
      m_strings(strings),
      m_createDocument(createDocument),
      m_createFrame(createFrame) {}

wxView* KepDocTemplate::CreateView(wxDocument* document, long) {
  auto* parent = dynamic_cast<wxMDIParentFrame*>(wxTheApp->GetTopWindow());
  if (!document || !parent) return nullptr;
  FourPaneFrame* frame = m_createFrame(*document, *parent);
  return frame ? frame->GetView() : nullptr;
}

wxString KepDocTemplate::NextUntitledTitle() {
  return wxString::Format("%s%d", m_strings.documentName, ++m_untitledCount);
}

}  // namespace kep
