#pragma once

class wxToolBar;

namespace kep {

// New, Open, Save | Cut, Copy, Paste | Print | About, with the toolkit's own
// icons; each tool has a tip and a line of help for the status bar.
void AddMainTools(wxToolBar& toolBar);

}  // namespace kep
