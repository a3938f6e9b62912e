#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

#include "draw/draw_context.h"

namespace kep {

struct CanvasPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

// One call on a RecordingCanvas, with what it was asked to do.
struct RecordedPen {
  Rgb colour;
  friend bool operator==(const RecordedPen&, const RecordedPen&) = default;
};
struct RecordedDrawMode {
  DrawMode mode = DrawMode::kCopy;
  friend bool operator==(const RecordedDrawMode&, const RecordedDrawMode&) = default;
};
struct RecordedMove {
  CanvasPoint to;
  friend bool operator==(const RecordedMove&, const RecordedMove&) = default;
};
// A line from the current position to the given point, with the pen and the
// mode in effect.
struct RecordedLine {
  CanvasPoint from;
  CanvasPoint to;
  Rgb pen;
  DrawMode mode = DrawMode::kCopy;
  friend bool operator==(const RecordedLine&, const RecordedLine&) = default;
};
struct RecordedPixel {
  CanvasPoint at;
  Rgb colour;
  DrawMode mode = DrawMode::kCopy;
  friend bool operator==(const RecordedPixel&, const RecordedPixel&) = default;
};
struct RecordedFill {
  Rect rect;
  Rgb colour;
  friend bool operator==(const RecordedFill&, const RecordedFill&) = default;
};
struct RecordedText {
  CanvasPoint at;
  std::string text;
  friend bool operator==(const RecordedText&, const RecordedText&) = default;
};
// A stretched grey image; pixels holds a copy of the whole image, width bytes per
// row without padding (empty when the call gave no usable image).
struct RecordedImage {
  Rect dest;
  Rect source;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint8_t> pixels;
  friend bool operator==(const RecordedImage&, const RecordedImage&) = default;
};
struct RecordedFlush {
  friend bool operator==(const RecordedFlush&, const RecordedFlush&) = default;
};

using RecordedCall =
    std::variant<RecordedPen, RecordedDrawMode, RecordedMove, RecordedLine, RecordedPixel,
                 RecordedFill, RecordedText, RecordedImage, RecordedFlush>;

// A drawing context that draws nothing and records every call in order, so that
// tests can check positions, texts and colours without comparing pictures. The
// pen starts black, the mode as copy, the current position at (0, 0).
class RecordingCanvas final : public DrawContext {
 public:
  explicit RecordingCanvas(const Rect& clientRect = Rect{0, 0, 640, 480});

  Rect ClientRect() const override { return m_clientRect; }
  Rgb SelectPen(Rgb colour) override;
  DrawMode SetDrawMode(DrawMode mode) override;
  void MoveTo(std::int32_t x, std::int32_t y) override;
  void LineTo(std::int32_t x, std::int32_t y) override;
  void SetPixel(std::int32_t x, std::int32_t y, Rgb colour) override;
  void FillRect(const Rect& rect, Rgb colour) override;
  void DrawText(std::int32_t x, std::int32_t y, const std::string& text) override;
  void StretchGrey(const Rect& dest, const std::uint8_t* pixels, std::int32_t width,
                   std::int32_t height, std::int32_t stride, const Rect& source) override;
  void Flush() override;

  void SetClientRect(const Rect& clientRect) { m_clientRect = clientRect; }
  const std::vector<RecordedCall>& Calls() const { return m_calls; }
  // Forgets the calls so far; pen, mode and position stay.
  void ClearCalls() { m_calls.clear(); }

  // The calls of one kind, in order.
  template <typename Call>
  std::vector<Call> CallsOf() const {
    std::vector<Call> found;
    for (const RecordedCall& call : m_calls) {
      if (const Call* match = std::get_if<Call>(&call)) found.push_back(*match);
    }
    return found;
  }
  std::vector<RecordedText> Texts() const { return CallsOf<RecordedText>(); }
  std::vector<RecordedLine> Lines() const { return CallsOf<RecordedLine>(); }
  std::vector<RecordedLine> LinesWithPen(Rgb pen) const;
  // The first text drawn with exactly this string, or null.
  const RecordedText* FindText(const std::string& text) const;

  Rgb Pen() const { return m_pen; }
  DrawMode Mode() const { return m_mode; }
  CanvasPoint Position() const { return m_position; }

 private:
  Rect m_clientRect;
  std::vector<RecordedCall> m_calls;
  Rgb m_pen = kBlack;
  DrawMode m_mode = DrawMode::kCopy;
  CanvasPoint m_position;
};

// Readable forms for test failure messages.
std::ostream& operator<<(std::ostream& out, const Rgb& colour);
std::ostream& operator<<(std::ostream& out, const Rect& rect);
std::ostream& operator<<(std::ostream& out, DrawMode mode);
std::ostream& operator<<(std::ostream& out, const CanvasPoint& point);
std::ostream& operator<<(std::ostream& out, const RecordedPen& call);
std::ostream& operator<<(std::ostream& out, const RecordedDrawMode& call);
std::ostream& operator<<(std::ostream& out, const RecordedMove& call);
std::ostream& operator<<(std::ostream& out, const RecordedLine& call);
std::ostream& operator<<(std::ostream& out, const RecordedPixel& call);
std::ostream& operator<<(std::ostream& out, const RecordedFill& call);
std::ostream& operator<<(std::ostream& out, const RecordedText& call);
std::ostream& operator<<(std::ostream& out, const RecordedImage& call);
std::ostream& operator<<(std::ostream& out, const RecordedFlush& call);

}  // namespace kep
