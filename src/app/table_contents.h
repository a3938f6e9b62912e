#pragma once

#include <cstddef>
#include <vector>

#include <wx/string.h>

namespace kep {

// A table of a document as a table window shows it: a caption that says what the
// rows are of, the column titles, and the rows, a text for each column.
struct TableContents {
  wxString caption;
  std::vector<wxString> columns;
  std::vector<std::vector<wxString>> rows;

  bool operator==(const TableContents&) const = default;
};

// The order of the rows sorted by a column, as indices into `rows`: cells that
// are numbers by their value, before cells of text, which go by their text, and
// empty cells last; rows with equal cells keep their order. Descending turns
// the order round, empty cells still last.
std::vector<std::size_t> SortedRows(const TableContents& table, std::size_t column,
                                    bool descending);

// The rows, in the order given, as tab-separated text under a line of the
// column titles, each line ended by a line feed.
wxString TabSeparated(const TableContents& table, const std::vector<std::size_t>& rows);

}  // namespace kep
