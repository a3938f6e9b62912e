#include "resources/about_dialog.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "version.h"

namespace kep {

AboutDialog::AboutDialog(wxWindow* parent) : wxDialog(parent, wxID_ANY, "About KEP") {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxStaticBitmap(this, wxID_ANY,
                              wxArtProvider::GetBitmapBundle(wxART_INFORMATION, wxART_MESSAGE_BOX)),
           wxSizerFlags().Border(wxALL, 12));
  row->Add(new wxStaticText(this, wxID_ANY, wxString("KEP Version ") + kVersion),
           wxSizerFlags(1).CenterVertical().Border(wxRIGHT, 24));

  auto* ok = new wxButton(this, wxID_OK, "OK");
  ok->SetDefault();
  row->Add(ok, wxSizerFlags().Top().Border(wxALL, 12));
  SetSizerAndFit(row);
  CentreOnParent();
}

}  // namespace kep
