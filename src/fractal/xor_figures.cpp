#include "fractal/xor_figures.h"

#include "fractal/fractal_engine.h"

namespace kep {

XorFigures::XorFigures(FractalEngine& engine, DrawContext* window, Rgb pen)
    : m_engine(engine), m_window(window) {
  if (!m_window) return;
  m_engine.BeginAnimation(m_window);
  m_previousPen = m_window->SelectPen(pen);
  m_previousMode = m_window->SetDrawMode(DrawMode::kXor);
}

XorFigures::~XorFigures() {
  if (!m_window) return;
  m_window->SelectPen(m_previousPen);
  m_window->SetDrawMode(m_previousMode);
  m_engine.EndAnimation();
}

void XorFigures::SelectPen(Rgb colour) {
  if (m_window) m_window->SelectPen(colour);
}

void XorFigures::MoveTo(SeriesPoint point) {
  m_window->MoveTo(m_engine.ToWindowX(point.x), m_engine.ToWindowY(point.y));
}

void XorFigures::LineTo(SeriesPoint point) {
  m_window->LineTo(m_engine.ToWindowX(point.x), m_engine.ToWindowY(point.y));
}

void XorFigures::Line(SeriesPoint from, SeriesPoint to) {
  if (!m_window) return;
  MoveTo(from);
  LineTo(to);
}

void XorFigures::ClosedPath(const OutlinePath& path) {
  if (!m_window || path.empty()) return;
  MoveTo(path.front());
  for (std::size_t i = 1; i < path.size(); ++i) LineTo(path[i]);
  LineTo(path.front());
}

void XorFigures::CornerMark(SeriesPoint corner) {
  Line({corner.x - 1, corner.y}, {corner.x + 2, corner.y});
  Line({corner.x, corner.y - 1}, {corner.x, corner.y + 2});
}

void XorFigures::Flash(const std::function<void()>& drawFigure) {
  if (!m_window) return;
  drawFigure();
  m_window->Flush();
  m_engine.PauseSeconds(1);
  drawFigure();
  m_window->Flush();
}

}  // namespace kep
