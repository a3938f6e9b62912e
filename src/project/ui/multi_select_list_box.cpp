#include "project/ui/multi_select_list_box.h"

#include <algorithm>

#include <gtk/gtk.h>

namespace kep {

CMultiSelectListBox::CMultiSelectListBox(wxWindow* parent, wxWindowID id)
    : wxListBox(parent, id, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                wxLB_EXTENDED | wxLB_NEEDED_SB | wxLB_HSCROLL) {
  Bind(wxEVT_LISTBOX, [this](wxCommandEvent& event) {
    if (!m_changing) event.Skip();
  });
}

// The caret is the toolkit's cursor row.
int CMultiSelectListBox::GetCaretIndex() const {
  GtkTreePath* path = nullptr;
  gtk_tree_view_get_cursor(m_treeview, &path, nullptr);
  if (path == nullptr) return -1;
  const int index = gtk_tree_path_get_indices(path)[0];
  gtk_tree_path_free(path);
  return index < static_cast<int>(GetCount()) ? index : -1;
}

void CMultiSelectListBox::SelectOnly(int index) {
  if (index < 0 || index >= static_cast<int>(GetCount())) return;
  ShowSelection({index}, index);
}

void CMultiSelectListBox::ShowSelection(const std::vector<int>& selected, int caret) {
  const int count = static_cast<int>(GetCount());
  m_changing = true;
  GtkTreeSelection* selection = gtk_tree_view_get_selection(m_treeview);
  if (caret >= 0 && caret < count) {
    GtkTreePath* path = gtk_tree_path_new_from_indices(caret, -1);
    gtk_tree_view_set_cursor(m_treeview, path, nullptr, false);
    gtk_tree_view_scroll_to_cell(m_treeview, path, nullptr, false, 0, 0);
    gtk_tree_path_free(path);
  }
  gtk_tree_selection_unselect_all(selection);
  for (int index : selected) {
    if (index < 0 || index >= count) continue;
    GtkTreePath* path = gtk_tree_path_new_from_indices(index, -1);
    gtk_tree_selection_select_path(selection, path);
    gtk_tree_path_free(path);
  }
  m_changing = false;
}

std::vector<int> CMultiSelectListBox::SelectedIndices() const {
  wxArrayInt selections;
  GetSelections(selections);
  std::vector<int> indices(selections.begin(), selections.end());
  std::sort(indices.begin(), indices.end());
  return indices;
}

}  // namespace kep
