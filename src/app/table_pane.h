#pragma once

#include <cstddef>
#include <vector>

#include "app/document_pane.h"
#include "app/table_window.h"

class wxListCtrl;
class wxStaticText;

namespace kep {

class TableList;

// The inside of a table window: the caption, the list and the window's
// buttons. As a pane of the document it hears of every change.
class TablePane final : public DocumentPane {
 public:
  TablePane(TableWindow::Contents contents, const wxString& name);

  bool Create(wxWindow* parent, wxDocument& document, wxWindow& frame) override;
  void OnUpdate(DocumentPane* sender, wxObject* hint) override;

  const wxString& Name() const { return m_name; }
  const TableContents& Table() const { return m_table; }
  const std::vector<std::size_t>& ShownOrder() const { return m_order; }
  wxListCtrl& List() const;
  // Puts the selected rows, or every row when none is selected, on the
  // clipboard in the order shown.
  void Copy() const;

 private:
  // Sorts by the column, the other way round when it is sorted by it already.
  void SortBy(int column);
  wxString ClipboardText() const;
  void ShowTable();

  TableWindow::Contents m_contents;
  wxString m_name;
  TableContents m_table;
  std::vector<std::size_t> m_order;
  int m_sortColumn = -1;
  bool m_descending = false;
  wxStaticText* m_caption = nullptr;
  TableList* m_list = nullptr;
};

}  // namespace kep
