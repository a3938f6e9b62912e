#pragma once

#include <cstdint>
#include <string>

namespace kep {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};

// A rectangle in device pixels; right and bottom are exclusive.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  std::int32_t Width() const { return right - left; }
  std::int32_t Height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// How a pen combines with what is already drawn.
enum class DrawMode { kCopy, kXor };

// What the computing core draws with: a window's client area, a picture in memory,
// a recording for tests, or a file. All pens are solid and one pixel wide.
class DrawContext {
 public:
  virtual ~DrawContext() = default;

  virtual Rect ClientRect() const = 0;
  // Selects a pen of the colour and returns the colour of the pen selected before.
  virtual Rgb SelectPen(Rgb colour) = 0;
  // Sets the drawing mode of pens and returns the mode set before. In exclusive-or
  // mode lines and single pixels combine their colour with the picture by a bitwise
  // exclusive-or, so drawing the same figure twice restores it; fills, text and
  // images are always copied.
  virtual DrawMode SetDrawMode(DrawMode mode) = 0;
  virtual void MoveTo(std::int32_t x, std::int32_t y) = 0;
  // Draws from the current position toward (x, y); the end point itself is not
  // painted, and becomes the current position.
  virtual void LineTo(std::int32_t x, std::int32_t y) = 0;
  virtual void SetPixel(std::int32_t x, std::int32_t y, Rgb colour) = 0;
  // Fills the rectangle with a solid brush; right and bottom edges excluded.
  virtual void FillRect(const Rect& rect, Rgb colour) = 0;
  // Draws text in black with (x, y) as its top-left corner; only the characters
  // themselves are painted, not a background box.
  virtual void DrawText(std::int32_t x, std::int32_t y, const std::string& text) = 0;
  // Stretches the source rectangle of an 8-bit grey image (rows top first, stride
  // bytes apart) over the destination rectangle.
  virtual void StretchGrey(const Rect& dest, const std::uint8_t* pixels, std::int32_t width,
                           std::int32_t height, std::int32_t stride, const Rect& source) = 0;
  // Shows what has been drawn so far where the context is a live window: called by
  // the animations after each step. Contexts in memory or in files do nothing.
  virtual void Flush() {}
};

}  // namespace kep
