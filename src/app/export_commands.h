#pragma once

#include <functional>
#include <string>

#include <wx/defs.h>
#include <wx/string.h>

#include "draw/draw_context.h"

class wxMenu;
class wxWindow;

namespace kep {

// The commands that carry a result out of the program, besides Edit > Copy.
// Each document handles those it has something for; the others stay disabled.
enum ExportCommandId : int {
  kIdExportPlot = wxID_HIGHEST + 20,
  kIdExportPoints,
};

// Puts "Export P&lot..." and "Export Po&ints..." after "Save &As..." in a
// document window's File menu.
void AddExportCommands(wxMenu& fileMenu);
// A right click on the pane offers Copy and the exports.
void OfferExportMenu(wxWindow& pane);

// Puts the text on the clipboard.
void CopyText(const wxString& text);
// Asks where to write a plot, as PNG or SVG by the name's extension (PNG when it
// has neither), and writes the drawing there at the size kep-cli gives its
// plots; a file that cannot be written is named with the reason.
void ExportPlot(wxWindow* parent, const std::function<void(DrawContext&)>& draw);
// Asks where to write comma-separated values (".csv" is added to a name
// without an extension) and writes the text there.
void ExportCsv(wxWindow* parent, const std::string& text);

}  // namespace kep
