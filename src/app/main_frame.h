#pragma once

#include <wx/docmdi.h>

namespace kep {

class FourPaneFrame;

// The main window: the menu bar shown while no document is open, the tool bar,
// the status bar with its message pane and the Caps Lock, Num Lock and Scroll
// Lock indicators, and the document windows. On GTK the document windows are
// the pages of a notebook, each filling the main window: there is no cascading
// or tiling, so those commands stay disabled.
class CMainFrame final : public wxDocMDIParentFrame {
 public:
  bool Create(wxDocManager& docManager);

  // The document window in front, if any.
  FourPaneFrame* ActiveDocumentFrame() const;

  // Shows "CAP", "NUM" and "SCRL" while the key is on, the active document's
  // name in the title and its status text in the message pane; called whenever
  // the program becomes idle.
  void UpdateIdleState();

 protected:
  bool TryBefore(wxEvent& event) override;

 private:
  void OnToggleToolBar(wxCommandEvent& event);
  void OnToggleStatusBar(wxCommandEvent& event);
  void OnWindowNew(wxCommandEvent& event);
  void OnNextPane(wxCommandEvent& event);

  // The status text last put into the message pane, which the menus' help texts
  // borrow while a menu is open.
  wxString m_shownStatus;
};

}  // namespace kep
