#include "app/table_contents.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <optional>
#include <string>

namespace kep {

namespace {

// A finite number written as kep-cli writes numbers, or none.
std::optional<double> NumberIn(const wxString& cell) {
  const std::string text = cell.utf8_string();
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
      !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

wxString Line(const std::vector<wxString>& cells) {
  wxString text;
  for (std::size_t i = 0; i < cells.size(); ++i) text += (i == 0 ? "" : "\t") + cells[i];
  return text + "\n";
}

// Numbers before texts, each in their own order: below 0, 0 or above 0 as a
// comparison does.
int Compare(const wxString& a, const wxString& b) {
  const std::optional<double> x = NumberIn(a);
  const std::optional<double> y = NumberIn(b);
  if (x.has_value() != y.has_value()) return x ? -1 : 1;
  if (x) return *x < *y ? -1 : (*y < *x ? 1 : 0);
  return a.compare(b);
}

}  // namespace

std::vector<std::size_t> SortedRows(const TableContents& table, std::size_t column,
                                    bool descending) {
  std::vector<std::size_t> order(table.rows.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t i, std::size_t j) {
    const wxString& a = table.rows[i][column];
    const wxString& b = table.rows[j][column];
    if (a.empty() != b.empty()) return b.empty();
    const int comparison = Compare(a, b);
    return descending ? comparison > 0 : comparison < 0;
  });
  return order;
}

wxString TabSeparated(const TableContents& table, const std::vector<std::size_t>& rows) {
  wxString text = Line(table.columns);
  for (std::size_t row : rows) text += Line(table.rows[row]);
  return text;
}

}  // namespace kep
