#pragma once

#include <vector>

#include <wx/listbox.h>

namespace kep {

// A list of several selected entries and one caret entry (the one with the
// keyboard focus). A plain click selects one entry, Ctrl+click adds or removes
// one, Shift+click selects a range, and the arrow keys move a single selection:
// the toolkit's own extended selection, which behaves so. Selection changes made
// by the program bring no notification.
class CMultiSelectListBox final : public wxListBox {
 public:
  CMultiSelectListBox(wxWindow* parent, wxWindowID id);

  // The caret entry, or -1 when the list has none.
  int GetCaretIndex() const;
  // Makes the entry the caret entry and the only selected one, scrolled into
  // view.
  void SelectOnly(int index);
  // Shows these entries selected and the caret on that entry (none for -1),
  // scrolled into view.
  void ShowSelection(const std::vector<int>& selected, int caret);
  // The selected entries in increasing order.
  std::vector<int> SelectedIndices() const;

 private:
  bool m_changing = false;
};

}  // namespace kep
