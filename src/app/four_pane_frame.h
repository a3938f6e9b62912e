#pragma once

#include <array>

#include <wx/docmdi.h>

class wxMenu;

namespace kep {

class DocumentPane;

// What distinguishes the two child frames: their four pane classes and the
// panes' initial sizes in pixels.
struct FourPaneLayout {
  // Each returns a new pane, not yet created as a window.
  using PaneFactory = DocumentPane* (*)();
  PaneFactory form;
  PaneFactory upper;
  PaneFactory lowerLeft;
  PaneFactory lowerRight;
  int formWidth;
  int upperHeight;
  int lowerLeftWidth;
};

// A document window split in four: the form on the left; on the right an upper
// pane above a lower-left and a lower-right pane. Three nested splitters hold
// them; each keeps its first pane's size when the window is resized. The frame
// owns the panes and tracks the active one, which F6 and Shift+F6 move.
class FourPaneFrame : public wxDocMDIChildFrame {
 public:
  enum PaneIndex { kForm, kUpper, kLowerLeft, kLowerRight };

  ~FourPaneFrame() override;

  // False when a splitter or a pane could not be made; the caller then destroys
  // the frame.
  bool Create(wxDocument& document, wxMDIParentFrame& parent, const FourPaneLayout& layout);

  // Gives every pane its first update, in the order form, upper, lower left,
  // lower right; does nothing the second time.
  void InitialUpdateFrame();

  DocumentPane* Pane(PaneIndex index) const { return m_panes[index]; }
  DocumentPane* ActivePane() const { return m_activePane; }
  // Makes the pane the one that commands such as Print address.
  void ActivatePane(DocumentPane& pane);
  // Activates and focuses the next pane (step 1) or the previous one (step -1),
  // going round.
  void ActivateNextPane(int step);

 private:
  // Closing the frame removes its panes' views from the document; the document
  // goes with its last view.
  void OnCloseWindow(wxCloseEvent& event);
  bool IsOnlyWindowOfDocument() const;
  // Whether the view is one of this frame's panes, or of a window it owns.
  bool Shows(const wxView& view) const;
  DocumentPane* CreatePane(FourPaneLayout::PaneFactory factory, wxWindow* parent);

  std::array<DocumentPane*, 4> m_panes{};
  DocumentPane* m_activePane = nullptr;
  wxMenu* m_fileMenu = nullptr;
  bool m_initialUpdateDone = false;
};

}  // namespace kep
