#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "draw/recording_canvas.h"

namespace kep::test {

inline RecordedLine Line(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                         Rgb pen) {
  return RecordedLine{{x0, y0}, {x1, y1}, pen, DrawMode::kCopy};
}

inline RecordedText Text(std::int32_t x, std::int32_t y, const std::string& text) {
  return RecordedText{{x, y}, text};
}

// The frame one pixel outside a plot area from column `left` + 1 to `right` - 1.
inline std::vector<RecordedLine> Frame(std::int32_t left, std::int32_t top, std::int32_t right,
                                       std::int32_t bottom) {
  return {Line(left, bottom, right, bottom, kBlack), Line(right, bottom, right, top, kBlack),
          Line(right, top, left, top, kBlack), Line(left, top, left, bottom, kBlack)};
}

// The red crosses that mark points: a horizontal and a vertical line through each
// (column, row) pixel, `reach` pixels to either side (2 for the large cross, 1
// for the small one); the line's end point lies one pixel beyond.
inline std::vector<RecordedLine> Crosses(
    std::int32_t reach, std::initializer_list<std::pair<std::int32_t, std::int32_t>> points) {
  std::vector<RecordedLine> lines;
  for (const auto& [column, row] : points) {
    lines.push_back(Line(column - reach, row, column + reach + 1, row, kRed));
    lines.push_back(Line(column, row - reach, column, row + reach + 1, kRed));
  }
  return lines;
}

// The texts whose top-left corner lies in the given column or row.
inline std::vector<std::string> TextsInColumn(const RecordingCanvas& canvas, std::int32_t x) {
  std::vector<std::string> found;
  for (const RecordedText& text : canvas.Texts()) {
    if (text.at.x == x) found.push_back(text.text);
  }
  return found;
}

inline std::vector<std::string> TextsInRow(const RecordingCanvas& canvas, std::int32_t y) {
  std::vector<std::string> found;
  for (const RecordedText& text : canvas.Texts()) {
    if (text.at.y == y) found.push_back(text.text);
  }
  return found;
}

}  // namespace kep::test
