#pragma once

#include <array>
#include <cstdint>

namespace kep {

// A small fixed-width font for printable ASCII, used where text is drawn into a
// pixel buffer. Each glyph is 5 columns of 7 rows; bit r of a column is row r,
// counted from the top.
inline constexpr std::int32_t kGlyphWidth = 5;
inline constexpr std::int32_t kGlyphHeight = 7;
// Distance from one character's left edge to the next one's.
inline constexpr std::int32_t kGlyphAdvance = kGlyphWidth + 1;

using GlyphColumns = std::array<std::uint8_t, kGlyphWidth>;

// The glyph of a character; characters outside printable ASCII show as '?'.
const GlyphColumns& GlyphOf(char character);

}  // namespace kep
