#include "draw/recording_canvas.h"

#include <cstddef>
#include <ostream>
#include <utility>

namespace kep {

RecordingCanvas::RecordingCanvas(const Rect& clientRect) : m_clientRect(clientRect) {}

Rgb RecordingCanvas::SelectPen(Rgb colour) {
  m_calls.emplace_back(RecordedPen{colour});
  return std::exchange(m_pen, colour);
}

DrawMode RecordingCanvas::SetDrawMode(DrawMode mode) {
  m_calls.emplace_back(RecordedDrawMode{mode});
  return std::exchange(m_mode, mode);
}

void RecordingCanvas::MoveTo(std::int32_t x, std::int32_t y) {
  m_position = {x, y};
  m_calls.emplace_back(RecordedMove{m_position});
}

void RecordingCanvas::LineTo(std::int32_t x, std::int32_t y) {
  const CanvasPoint from = m_position;
  m_position = {x, y};
  m_calls.emplace_back(RecordedLine{from, m_position, m_pen, m_mode});
}

void RecordingCanvas::SetPixel(std::int32_t x, std::int32_t y, Rgb colour) {
  m_calls.emplace_back(RecordedPixel{{x, y}, colour, m_mode});
}

void RecordingCanvas::FillRect(const Rect& rect, Rgb colour) {
  m_calls.emplace_back(RecordedFill{rect, colour});
}

void RecordingCanvas::DrawText(std::int32_t x, std::int32_t y, const std::string& text) {
  m_calls.emplace_back(RecordedText{{x, y}, text});
}

void RecordingCanvas::StretchGrey(const Rect& dest, const std::uint8_t* pixels, std::int32_t width,
                                  std::int32_t height, std::int32_t stride, const Rect& source) {
  RecordedImage image{dest, source, width, height, {}};
  if (pixels != nullptr && width > 0 && height > 0 && stride >= width) {
    image.pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (std::int32_t y = 0; y < height; ++y) {
      const std::uint8_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
      image.pixels.insert(image.pixels.end(), row, row + width);
    }
  }
  m_calls.emplace_back(std::move(image));
}

void RecordingCanvas::Flush() { m_calls.emplace_back(RecordedFlush{}); }

std::vector<RecordedLine> RecordingCanvas::LinesWithPen(Rgb pen) const {
  std::vector<RecordedLine> found;
  for (const RecordedLine& line : Lines()) {
    if (line.pen == pen) found.push_back(line);
  }
  return found;
}

const RecordedText* RecordingCanvas::FindText(const std::string& text) const {
  for (const RecordedCall& call : m_calls) {
    const RecordedText* recorded = std::get_if<RecordedText>(&call);
    if (recorded != nullptr && recorded->text == text) return recorded;
  }
  return nullptr;
}

std::ostream& operator<<(std::ostream& out, const Rgb& colour) {
  return out << "rgb(" << int{colour.red} << ", " << int{colour.green} << ", " << int{colour.blue}
             << ")";
}

std::ostream& operator<<(std::ostream& out, const Rect& rect) {
  return out << "rect(" << rect.left << ", " << rect.top << ", " << rect.right << ", "
             << rect.bottom << ")";
}

std::ostream& operator<<(std::ostream& out, DrawMode mode) {
  return out << (mode == DrawMode::kXor ? "xor" : "copy");
}

std::ostream& operator<<(std::ostream& out, const CanvasPoint& point) {
  return out << "(" << point.x << ", " << point.y << ")";
}

std::ostream& operator<<(std::ostream& out, const RecordedPen& call) {
  return out << "SelectPen " << call.colour;
}

std::ostream& operator<<(std::ostream& out, const RecordedDrawMode& call) {
  return out << "SetDrawMode " << call.mode;
}

std::ostream& operator<<(std::ostream& out, const RecordedMove& call) {
  return out << "MoveTo " << call.to;
}

std::ostream& operator<<(std::ostream& out, const RecordedLine& call) {
  return out << "Line " << call.from << " to " << call.to << " pen " << call.pen << " "
             << call.mode;
}

std::ostream& operator<<(std::ostream& out, const RecordedPixel& call) {
  return out << "SetPixel " << call.at << " " << call.colour << " " << call.mode;
}

std::ostream& operator<<(std::ostream& out, const RecordedFill& call) {
  return out << "FillRect " << call.rect << " " << call.colour;
}

std::ostream& operator<<(std::ostream& out, const RecordedText& call) {
  return out << "DrawText " << call.at << " \"" << call.text << "\"";
}

std::ostream& operator<<(std::ostream& out, const RecordedImage& call) {
  return out << "StretchGrey " << call.width << "x" << call.height << " image, source "
             << call.source << " to " << call.dest;
}

std::ostream& operator<<(std::ostream& out, const RecordedFlush&) { return out << "Flush"; }

}  // namespace kep
