#include "app/export_commands.h"

#include <wx/clipbrd.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/window.h>

#include "app/dialog_service.h"
#include "app/file_path.h"
#include "draw/cairo_file_canvas.h"

namespace kep {

namespace {

// kep-cli plot's picture unless told otherwise.
constexpr std::int32_t kPlotWidth = 640;
constexpr std::int32_t kPlotHeight = 480;

constexpr const char* kExportPlotText = "Export P&lot...";
constexpr const char* kExportPointsText = "Export Po&ints...";

wxString Extension(const wxString& path) { return wxFileName(path).GetExt().Lower(); }

}  // namespace

void AddExportCommands(wxMenu& fileMenu) {
  size_t position = 0;
  if (!fileMenu.FindChildItem(wxID_SAVEAS, &position)) return;
  fileMenu.Insert(position + 1, kIdExportPlot, kExportPlotText);
  fileMenu.Insert(position + 2, kIdExportPoints, kExportPointsText);
}

void OfferExportMenu(wxWindow& pane) {
  pane.Bind(wxEVT_CONTEXT_MENU, [&pane](wxContextMenuEvent&) {
    wxMenu menu;
    menu.Append(wxID_COPY, "&Copy");
    menu.Append(kIdExportPlot, kExportPlotText);
    menu.Append(kIdExportPoints, kExportPointsText);
    pane.PopupMenu(&menu);
  });
}

// Flushed, so that the text stays on the clipboard after the program ends.
void CopyText(const wxString& text) {
  wxClipboardLocker clipboard;
  if (!clipboard) return;
  wxTheClipboard->SetData(new wxTextDataObject(text));
  wxTheClipboard->Flush();
}

void ExportPlot(wxWindow* parent, const std::function<void(DrawContext&)>& draw) {
  const wxString chosen =
      Dialogs().AskSavePath(parent, wxString(), "PNG (*.png)|*.png|SVG (*.svg)|*.svg");
  if (chosen.empty()) return;
  const wxString extension = Extension(chosen);
  const wxString path = extension == "png" || extension == "svg" ? chosen : chosen + ".png";
  CairoFileCanvas canvas(kPlotWidth, kPlotHeight);
  draw(canvas);
  std::string error;
  if (!canvas.Save(PathBytes(path), &error)) {
    Dialogs().ShowMessage(parent, path + ": " + wxString::FromUTF8(error));
  }
}

void ExportCsv(wxWindow* parent, const std::string& text) {
  const wxString chosen = Dialogs().AskSavePath(parent, wxString(), "CSV (*.csv)|*.csv");
  if (chosen.empty()) return;
  const wxString path = Extension(chosen).empty() ? chosen + ".csv" : chosen;
  const wxString failure = WriteFile(path, text);
  if (!failure.empty()) Dialogs().ShowMessage(parent, failure);
}

}  // namespace kep
