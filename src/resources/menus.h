#pragma once

class wxMenu;
class wxMenuBar;

namespace kep {

// Shown, disabled, where the recent files go while the list is empty.
inline constexpr const char* kRecentFilePlaceholder = "Recent File";

// The menu bar of the main window while no document is open: "&File" only.
wxMenuBar* CreateMainMenuBar();
// The menu bar shown while a document window is active: "&File", "&Edit", "&View",
// "&Window" and "&Help".
wxMenuBar* CreateDocumentMenuBar();

// The "&File" menu of either menu bar.
wxMenu* FileMenuOf(const wxMenuBar& menuBar);

}  // namespace kep
