#pragma once

#include <functional>

#include "draw/draw_context.h"
#include "fractal/method_animation.h"
#include "fractal/outline_path.h"

namespace kep {

// The animation of the walking methods: figures drawn on the animation window in
// exclusive-or mode, so that drawing a figure a second time removes it. Inactive
// (drawing nothing) without an animation. While active it keeps the window's
// previous pen and mode, selects them again at the end and flushes the window.
class XorFigures {
 public:
  XorFigures(const MethodAnimation* animation, Rgb pen);
  ~XorFigures();
  XorFigures(const XorFigures&) = delete;
  XorFigures& operator=(const XorFigures&) = delete;

  bool Active() const { return m_animation != nullptr; }
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

  const MethodAnimation* m_animation;
  Rgb m_previousPen;
  DrawMode m_previousMode = DrawMode::kCopy;
};

}  // namespace kep
