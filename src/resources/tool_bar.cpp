#include "resources/tool_bar.h"

#include <wx/artprov.h>
#include <wx/toolbar.h>

namespace kep {

namespace {

struct Tool {
  int command;  // 0 for a separator
  const char* art;
  const char* tip;
  const char* help;
};

constexpr Tool kTools[] = {
    {wxID_NEW, wxART_NEW, "New", "Create a new document"},
    {wxID_OPEN, wxART_FILE_OPEN, "Open", "Open an existing file"},
    {wxID_SAVE, wxART_FILE_SAVE, "Save", "Save the active document"},
    {0, nullptr, nullptr, nullptr},
    {wxID_CUT, wxART_CUT, "Cut", "Cut the selection"},
    {wxID_COPY, wxART_COPY, "Copy", "Copy the selection"},
    {wxID_PASTE, wxART_PASTE, "Paste", "Insert what was cut or copied"},
    {0, nullptr, nullptr, nullptr},
    {wxID_PRINT, wxART_PRINT, "Print", "Print the active pane"},
    {0, nullptr, nullptr, nullptr},
    {wxID_ABOUT, wxART_HELP, "About", "Show the program's version"},
};

}  // namespace

void AddMainTools(wxToolBar& toolBar) {
  const wxSize iconSize(16, 16);
  toolBar.SetToolBitmapSize(iconSize);
  for (const Tool& tool : kTools) {
    if (tool.command == 0) {
      toolBar.AddSeparator();
      continue;
    }
    toolBar.AddTool(tool.command, tool.tip,
                    wxArtProvider::GetBitmapBundle(tool.art, wxART_TOOLBAR, iconSize), tool.tip)
        ->SetLongHelp(tool.help);
  }
  toolBar.Realize();
}

}  // namespace kep
