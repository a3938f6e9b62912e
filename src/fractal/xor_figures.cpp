#include "fractal/xor_figures.h"

namespace kep {

XorFigures::XorFigures(const MethodAnimation* animation, Rgb pen) : m_animation(animation) {
  if (!m_animation) return;
  m_previousPen = m_animation->Window().SelectPen(pen);
  m_previousMode = m_animation->Window().SetDrawMode(DrawMode::kXor);
}

XorFigures::~XorFigures() {
  if (!m_animation) return;
  DrawContext& window = m_animation->Window();
  window.SelectPen(m_previousPen);
  window.SetDrawMode(m_previousMode);
  window.Flush();
}

void XorFigures::SelectPen(Rgb colour) {
  if (m_animation) m_animation->Window().SelectPen(colour);
}

void XorFigures::MoveTo(SeriesPoint point) {
  m_animation->Window().MoveTo(m_animation->ToWindowX(point.x), m_animation->ToWindowY(point.y));
}

void XorFigures::LineTo(SeriesPoint point) {
  m_animation->Window().LineTo(m_animation->ToWindowX(point.x), m_animation->ToWindowY(point.y));
}

void XorFigures::Line(SeriesPoint from, SeriesPoint to) {
  if (!m_animation) return;
  MoveTo(from);
  LineTo(to);
}

void XorFigures::ClosedPath(const OutlinePath& path) {
  if (!m_animation || path.empty()) return;
  MoveTo(path.front());
  for (std::size_t i = 1; i < path.size(); ++i) LineTo(path[i]);
  LineTo(path.front());
}

void XorFigures::CornerMark(SeriesPoint corner) {
  Line({corner.x - 1, corner.y}, {corner.x + 2, corner.y});
  Line({corner.x, corner.y - 1}, {corner.x, corner.y + 2});
}

void XorFigures::Flash(const std::function<void()>& drawFigure) {
  if (!m_animation) return;
  drawFigure();
  m_animation->Window().Flush();
  m_animation->PauseSeconds(1);
  drawFigure();
  m_animation->Window().Flush();
}

}  // namespace kep
