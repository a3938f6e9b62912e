#include "app/table_pane.h"

#include <algorithm>
#include <numeric>

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/accessible_label.h"
#include "app/export_commands.h"
#include "app/form_layout.h"

namespace kep {

namespace {

// Room around a cell's text, and the most rows measured for a column's width.
constexpr int kCellPadding = 16;
constexpr std::size_t kRowsMeasured = 500;
constexpr int kListMinWidth = 200;
constexpr int kListMinHeight = 120;

}  // namespace

// A list that asks for the text of the rows it shows, so that a table of many
// rows fills it at once.
class TableList final : public wxListCtrl {
 public:
  explicit TableList(wxWindow* parent)
      : wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                   wxLC_REPORT | wxLC_VIRTUAL | wxLC_HRULES | wxLC_VRULES) {}

  void ShowRows(const TableContents& table, const std::vector<std::size_t>& order) {
    m_table = &table;
    m_order = &order;
    SetItemCount(static_cast<long>(order.size()));
    Refresh();
  }

  wxString OnGetItemText(long item, long column) const override {
    return m_table
        ->rows[(*m_order)[static_cast<std::size_t>(item)]][static_cast<std::size_t>(column)];
  }

 private:
  const TableContents* m_table = nullptr;
  const std::vector<std::size_t>* m_order = nullptr;
};

TablePane::TablePane(TableWindow::Contents contents, const wxString& name)
    : m_contents(std::move(contents)), m_name(name) {}

bool TablePane::Create(wxWindow* parent, wxDocument& document, wxWindow& frame) {
  if (!DocumentPane::Create(parent, document, frame)) return false;
  m_caption = new wxStaticText(this, wxID_ANY, wxString());
  m_list = new TableList(this);
  // The pane is a scrolled window: a list that asked for the room of all its
  // rows would push the buttons out of sight instead of scrolling itself.
  m_list->SetMinSize(FromDIP(wxSize(kListMinWidth, kListMinHeight)));
  auto* copy = new wxButton(this, wxID_COPY, "&Copy");
  copy->SetToolTip(
      "Puts the selected rows, or every row when none is selected, on the clipboard as "
      "tab-separated text under the column titles.");
  auto* close = new wxButton(this, wxID_CLOSE, "Close");

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(copy, 0, wxRIGHT, kFormGap);
  buttons->Add(close);
  auto* rows = new wxBoxSizer(wxVERTICAL);
  rows->Add(m_caption, 0, wxEXPAND | wxALL, kFormGap);
  rows->Add(m_list, 1, wxEXPAND | wxLEFT | wxRIGHT, kFormGap);
  rows->Add(buttons, 0, wxALIGN_RIGHT | wxALL, kFormGap);
  SetSizer(rows);

  m_list->Bind(wxEVT_LIST_COL_CLICK, [this](wxListEvent& event) { SortBy(event.GetColumn()); });
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { Copy(); }, wxID_COPY);
  Bind(
      wxEVT_BUTTON, [&frame](wxCommandEvent&) { frame.Close(); }, wxID_CLOSE);
  return true;
}

// The same table again keeps the rows where they are, sorted and selected.
void TablePane::OnUpdate(DocumentPane*, wxObject*) {
  if (!GetDocument()) return;
  TableContents table = m_contents(*GetDocument());
  if (table == m_table && m_list->GetColumnCount() > 0) return;
  const bool sameColumns = table.columns == m_table.columns && m_list->GetColumnCount() > 0;
  m_table = std::move(table);
  if (!sameColumns) {
    m_sortColumn = -1;
    m_list->ClearAll();
    for (std::size_t column = 0; column < m_table.columns.size(); ++column) {
      m_list->AppendColumn(m_table.columns[column]);
    }
  }
  m_caption->SetLabelText(m_table.caption);
  NameControl(*m_list, m_name, m_table.caption);
  ShowTable();
  if (!sameColumns) {
    for (int column = 0; column < m_list->GetColumnCount(); ++column) {
      int width = m_list->GetTextExtent(m_table.columns[static_cast<std::size_t>(column)]).x;
      for (std::size_t row = 0; row < std::min(m_table.rows.size(), kRowsMeasured); ++row) {
        width = std::max(
            width, m_list->GetTextExtent(m_table.rows[row][static_cast<std::size_t>(column)]).x);
      }
      m_list->SetColumnWidth(column, width + FromDIP(kCellPadding));
    }
  }
}

void TablePane::SortBy(int column) {
  if (column < 0 || column >= static_cast<int>(m_table.columns.size())) return;
  m_descending = column == m_sortColumn && !m_descending;
  m_sortColumn = column;
  ShowTable();
}

// The rows in the order of the chosen column, none selected.
void TablePane::ShowTable() {
  if (m_sortColumn >= 0) {
    m_order = SortedRows(m_table, static_cast<std::size_t>(m_sortColumn), m_descending);
    m_list->ShowSortIndicator(m_sortColumn, !m_descending);
  } else {
    m_order.resize(m_table.rows.size());
    std::iota(m_order.begin(), m_order.end(), std::size_t{0});
    m_list->RemoveSortIndicator();
  }
  m_list->SetItemState(-1, 0, wxLIST_STATE_SELECTED);
  m_list->ShowRows(m_table, m_order);
}

wxListCtrl& TablePane::List() const { return *m_list; }

wxString TablePane::ClipboardText() const {
  std::vector<std::size_t> rows;
  for (long item = -1;
       (item = m_list->GetNextItem(item, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) != -1;) {
    rows.push_back(m_order[static_cast<std::size_t>(item)]);
  }
  return TabSeparated(m_table, rows.empty() ? m_order : rows);
}

void TablePane::Copy() const { CopyText(ClipboardText()); }

}  // namespace kep
