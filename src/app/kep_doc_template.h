#pragma once

#include <wx/docview.h>

#include "resources/document_strings.h"

class wxMDIParentFrame;

namespace kep {

class FourPaneFrame;

// A document type: its description strings, how to make a document, and the
// child frame that shows one. Any file matches, so Open takes the first type
// registered: neither type has an extension of its own.
class KepDocTemplate final : public wxDocTemplate {
 public:
  using DocumentFactory = wxDocument* (*)();
  // Makes a child frame with its panes on the document; null when that fails.
  using FrameFactory = FourPaneFrame* (*)(wxDocument& document, wxMDIParentFrame& parent);

  KepDocTemplate(wxDocManager& manager, const char* documentStrings,
                 DocumentFactory createDocument, FrameFactory createFrame);

  // Opens a window on the document. Its panes get their first update from
  // FourPaneFrame::InitialUpdateFrame once the document is ready.
  wxView* CreateView(wxDocument* document, long flags = 0) override;

  // The title of the next untitled document of this type: "KEP1", "KEP2", ...
  wxString NextUntitledTitle();
  const DocumentStrings& Strings() const { return m_strings; }

 protected:
  wxDocument* DoCreateDocument() override { return m_createDocument(); }

 private:
  KepDocTemplate(wxDocManager& manager, const DocumentStrings& strings,
                 DocumentFactory createDocument, FrameFactory createFrame);

  DocumentStrings m_strings;
  DocumentFactory m_createDocument;
  FrameFactory m_createFrame;
  int m_untitledCount = 0;
};

// A document type as the application registers it: its description strings and
// the factories of its documents and windows.
struct DocumentType {
  const char* documentStrings;
  KepDocTemplate::DocumentFactory createDocument;
  KepDocTemplate::FrameFactory createFrame;
};

}  // namespace kep
