#include "resources/menus.h"

#include <wx/menu.h>

#include "resources/command_ids.h"

namespace kep {

namespace {

// The recent files sit between two separators, just above "E&xit".
void AppendRecentFilesAndExit(wxMenu& file) {
  file.AppendSeparator();
  file.Append(wxID_FILE1, kRecentFilePlaceholder)->Enable(false);
  file.AppendSeparator();
  file.Append(wxID_EXIT, "E&xit");
}

wxMenu* NewMainFileMenu() {
  auto* file = new wxMenu;
  file->Append(wxID_NEW, "&New\tCtrl+N");
  file->Append(wxID_OPEN, "&Open...\tCtrl+O");
  file->AppendSeparator();
  file->Append(wxID_PRINT_SETUP, "P&rint Setup...");
  AppendRecentFilesAndExit(*file);
  return file;
}

wxMenu* NewDocumentFileMenu() {
  auto* file = new wxMenu;
  file->Append(wxID_NEW, "&New\tCtrl+N");
  file->Append(wxID_OPEN, "&Open...\tCtrl+O");
  file->Append(wxID_CLOSE, "&Close");
  file->Append(wxID_SAVE, "&Save\tCtrl+S");
  file->Append(wxID_SAVEAS, "Save &As...");
  file->AppendSeparator();
  file->Append(wxID_PRINT, "&Print...\tCtrl+P");
  file->Append(wxID_PREVIEW, "Print Pre&view");
  file->Append(wxID_PRINT_SETUP, "P&rint Setup...");
  AppendRecentFilesAndExit(*file);
  return file;
}

wxMenu* NewEditMenu() {
  auto* edit = new wxMenu;
  edit->Append(wxID_UNDO, "&Undo\tCtrl+Z");
  edit->AppendSeparator();
  edit->Append(wxID_CUT, "Cu&t\tCtrl+X");
  edit->Append(wxID_COPY, "&Copy\tCtrl+C");
  edit->Append(wxID_PASTE, "&Paste\tCtrl+V");
  return edit;
}

wxMenu* NewViewMenu() {
  auto* view = new wxMenu;
  view->AppendCheckItem(kIdViewToolBar, "&Toolbar");
  view->AppendCheckItem(kIdViewStatusBar, "&Status Bar");
  view->AppendSeparator();
  view->Append(kIdSkippedFiles, "S&kipped Files");
  return view;
}

wxMenu* NewWindowMenu() {
  auto* window = new wxMenu;
  window->Append(kIdWindowNew, "&New Window");
  window->Append(wxID_MDI_WINDOW_CASCADE, "&Cascade");
  window->Append(wxID_MDI_WINDOW_TILE_HORZ, "&Tile");
  window->Append(wxID_MDI_WINDOW_ARRANGE_ICONS, "&Arrange Icons");
  window->AppendSeparator();
  window->Append(kIdParticles, "&Particles");
  window->Append(kIdLocalDimensions, "&Local Dimensions");
  return window;
}

wxMenu* NewHelpMenu() {
  auto* help = new wxMenu;
  help->Append(wxID_ABOUT, "&About KEP...");
  return help;
}

}  // namespace

wxMenuBar* CreateMainMenuBar() {
  auto* bar = new wxMenuBar;
  bar->Append(NewMainFileMenu(), "&File");
  return bar;
}

wxMenuBar* CreateDocumentMenuBar() {
  auto* bar = new wxMenuBar;
  bar->Append(NewDocumentFileMenu(), "&File");
  bar->Append(NewEditMenu(), "&Edit");
  bar->Append(NewViewMenu(), "&View");
  bar->Append(NewWindowMenu(), "&Window");
  bar->Append(NewHelpMenu(), "&Help");
  return bar;
}

wxMenu* FileMenuOf(const wxMenuBar& menuBar) { return menuBar.GetMenu(0); }

}  // namespace kep
