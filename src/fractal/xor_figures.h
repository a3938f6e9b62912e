#pragma once

#include <functional>

#include "draw/draw_context.h"
#include "fractal/outline_path.h"

namespace kep {

class FractalEngine;

// The animation of the walking methods: figures drawn on the animation window in
// exclusive-or mode, so that drawing a figure a second time removes it. Inactive
// (drawing nothing) when there is no window. While active it holds the engine's
// drawing context; at the end it selects the previous pen and mode again and gives
// the context back.
class XorFigures {
 public:
  XorFigures(FractalEngine& engine, DrawContext* window, Rgb pen);
  ~XorFigures();
  XorFigures(const XorFigures&) = delete;
  XorFigures& operator=(const XorFigures&) = delete;

  bool Active() const { return m_window != nullptr; }
  void SelectPen(Rgb colour);
  // Lines in image coordinates, drawn at their window positions.
  void Line(SeriesPoint from, SeriesPoint to);
  // From the first point along the path and back to the first point.
  void ClosedPath(const OutlinePath& path);
  // The cross that marks a corner: three pixels across and three down.
  void CornerMark(SeriesPoint corner);
  // Draws the figure, shows it for a second, and draws it again so that it vanishes.
  void Flash(const std::function<void()>& drawFigure);

 private:
  void MoveTo(SeriesPoint point);
  void LineTo(SeriesPoint point);

  FractalEngine& m_engine;
  DrawContext* m_window = nullptr;
  Rgb m_previousPen;
  DrawMode m_previousMode = DrawMode::kCopy;
};

}  // namespace kep
