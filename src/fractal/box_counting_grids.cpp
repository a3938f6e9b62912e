// Box counting over several grid positions at once. For one box size s the
// distinct offsets o_0 = 0 < o_1 < ... < o_(K-1) < s of the grids cut every
// period of s pixels into K fine cells (some grids may share an offset), so that
// each box of each grid is exactly K consecutive fine cells: with the fine cells
// numbered f = K * period + (cell within the period), box k of the grid with
// offset index a holds the fine cells f with (f + a) div K = k. The object pixels
// are marked once in a bitmap of fine cells; a box of grid a is then one bit of
// the fine rows widened by K cells, read at the positions that grid's boxes start
// at, and the rows of a grid's row of boxes are joined the same way. Each grid's
// count is a sum of population counts.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <vector>

#include "fractal/box_counting.h"

namespace kep {

namespace {

using Word = std::uint64_t;
constexpr std::int32_t kWordBits = 64;

// The distinct offsets floor(i * s / G), i = 0 ... G - 1, in rising order.
std::vector<std::int32_t> GridOffsets(std::int32_t size, std::int32_t grids) {
  std::vector<std::int32_t> offsets;
  for (std::int64_t i = 0; i < grids; ++i) {
    const auto offset = static_cast<std::int32_t>(i * size / grids);
    if (offsets.empty() || offsets.back() != offset) offsets.push_back(offset);
  }
  return offsets;
}

// The fine cell of each pixel column (or row) u of the bounding box, shifted by K
// so that the cells of a box never have a negative number: u lies in period
// u div s, and within it past the boundaries s - o_a of the offsets o_a with
// o_a >= s - (u mod s).
std::vector<std::int32_t> FineCells(std::int32_t extent, std::int32_t size,
                                    const std::vector<std::int32_t>& offsets) {
  const auto cells = static_cast<std::int32_t>(offsets.size());
  std::vector<std::int32_t> withinPeriod(static_cast<std::size_t>(size));
  for (std::int32_t u = 0; u < size; ++u) {
    withinPeriod[static_cast<std::size_t>(u)] = static_cast<std::int32_t>(
        offsets.end() - std::lower_bound(offsets.begin() + 1, offsets.end(), size - u));
  }
  std::vector<std::int32_t> fine(static_cast<std::size_t>(extent));
  for (std::int32_t u = 0; u < extent; ++u) {
    fine[static_cast<std::size_t>(u)] =
        cells * (u / size + 1) + withinPeriod[static_cast<std::size_t>(u % size)];
  }
  return fine;
}

// A bitmap of fine cells, one run of words per fine row.
class FineBitmap {
 public:
  FineBitmap(std::int32_t rows, std::int32_t bits)
      : m_words((bits + kWordBits - 1) / kWordBits + 1),
        m_bits(static_cast<std::size_t>(rows) * static_cast<std::size_t>(m_words), 0) {}

  std::int32_t Words() const { return m_words; }
  Word* Row(std::int32_t r) { return m_bits.data() + static_cast<std::size_t>(r) * m_words; }
  void Set(std::int32_t r, std::int32_t bit) {
    Row(r)[bit / kWordBits] |= Word{1} << (bit % kWordBits);
  }

 private:
  std::int32_t m_words;
  std::vector<Word> m_bits;
};

// Bit f of the result is the OR of bits f ... f + cells - 1 of the row.
void Widen(const Word* row, std::int32_t words, std::int32_t cells, Word* out) {
  for (std::int32_t w = 0; w < words; ++w) {
    Word wide = row[w];
    const Word next = w + 1 < words ? row[w + 1] : 0;
    for (std::int32_t d = 1; d < cells; ++d) wide |= (row[w] >> d) | (next << (kWordBits - d));
    out[w] = wide;
  }
}

// The bits at the fine cells where the boxes of the grid with offset index a
// start: positions k * cells - a, that is those congruent to -a modulo cells.
std::vector<Word> BoxStarts(std::int32_t words, std::int32_t cells, std::int32_t a) {
  std::vector<Word> mask(static_cast<std::size_t>(words), 0);
  const std::int32_t first = (cells - a) % cells;
  for (std::int64_t bit = first; bit < std::int64_t{words} * kWordBits; bit += cells) {
    mask[static_cast<std::size_t>(bit / kWordBits)] |= Word{1} << (bit % kWordBits);
  }
  return mask;
}

std::int32_t CountOverGrids(const BoxPixels& pixels, std::int32_t size, std::int32_t grids) {
  const std::vector<std::int32_t> offsets = GridOffsets(size, grids);
  const auto cells = static_cast<std::int32_t>(offsets.size());
  const std::vector<std::int32_t> fineColumn = FineCells(pixels.width, size, offsets);
  const std::vector<std::int32_t> fineRow = FineCells(pixels.height, size, offsets);
  const std::int32_t columnsOfCells = fineColumn.back() + cells + 1;
  const std::int32_t rowsOfCells = fineRow.back() + cells + 1;

  FineBitmap occupied(rowsOfCells, columnsOfCells);
  for (std::size_t r = 0; r + 1 < pixels.rowStart.size(); ++r) {
    for (std::size_t i = pixels.rowStart[r]; i < pixels.rowStart[r + 1]; ++i) {
      occupied.Set(fineRow[r], fineColumn[static_cast<std::size_t>(pixels.columns[i])]);
    }
  }
  const std::int32_t words = occupied.Words();
  FineBitmap widened(rowsOfCells, columnsOfCells);
  for (std::int32_t r = 0; r < rowsOfCells; ++r)
    Widen(occupied.Row(r), words, cells, widened.Row(r));

  std::vector<std::vector<Word>> starts;
  for (std::int32_t a = 0; a < cells; ++a) starts.push_back(BoxStarts(words, cells, a));
  std::int32_t fewest = std::numeric_limits<std::int32_t>::max();
  std::vector<Word> boxRow(static_cast<std::size_t>(words));
  for (std::int32_t b = 0; b < cells; ++b) {
    std::vector<std::int32_t> counts(static_cast<std::size_t>(cells), 0);
    // The fine rows of box row k of the grid with row offset index b.
    for (std::int32_t first = (cells - b) % cells; first < rowsOfCells; first += cells) {
      std::fill(boxRow.begin(), boxRow.end(), Word{0});
      for (std::int32_t r = first; r < std::min(first + cells, rowsOfCells); ++r) {
        const Word* row = widened.Row(r);
        for (std::int32_t w = 0; w < words; ++w) boxRow[static_cast<std::size_t>(w)] |= row[w];
      }
      for (std::int32_t a = 0; a < cells; ++a) {
        const std::vector<Word>& mask = starts[static_cast<std::size_t>(a)];
        for (std::int32_t w = 0; w < words; ++w) {
          counts[static_cast<std::size_t>(a)] += std::popcount(boxRow[static_cast<std::size_t>(w)] &
                                                               mask[static_cast<std::size_t>(w)]);
        }
      }
    }
    fewest = std::min(fewest, *std::min_element(counts.begin(), counts.end()));
  }
  return fewest;
}

}  // namespace

void MeasureBoxCountsOverGrids(const FractalEngine& engine, PointSeries& points) {
  const BoxPixels pixels = CollectBoxPixels(engine);
  ForEachBoxSize(engine, [&](std::int32_t size) {
    const std::int32_t count =
        pixels.columns.empty() ? 0 : CountOverGrids(pixels, size, engine.gridOffsets);
    points.Append(size, std::max(count, 1));
  });
}

}  // namespace kep
