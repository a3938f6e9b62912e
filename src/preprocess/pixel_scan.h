#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

#include "image/image_buffer.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kep {

// The first x in [from, to) whose byte of the row differs from `value`, or `to`:
// the end of a run of the value, found eight bytes at a time.
inline std::int32_t EndOfRun(const std::uint8_t* row, std::int32_t from, std::int32_t to,
                             std::uint8_t value) {
  const std::uint64_t repeated = 0x0101010101010101ull * value;
  std::int32_t x = from;
  for (; x + 8 <= to; x += 8) {
    std::uint64_t word;
    std::memcpy(&word, row + x, sizeof word);
    if (word != repeated) {
      // The lowest differing byte is the first one on a little-endian machine.
      if constexpr (std::endian::native == std::endian::little) {
        return x + std::countr_zero(word ^ repeated) / 8;
      }
      break;
    }
  }
  while (x < to && row[x] == value) ++x;
  return x;
}

// The first x in [from, to) whose byte of the row equals `value`, or `to`.
inline std::int32_t FindValue(const std::uint8_t* row, std::int32_t from, std::int32_t to,
                              std::uint8_t value) {
  if (from >= to) return to;
  const void* found = std::memchr(row + from, value, static_cast<std::size_t>(to - from));
  return found == nullptr
             ? to
             : static_cast<std::int32_t>(static_cast<const std::uint8_t*>(found) - row);
}

// Whether the 64 bytes at `bytes` hold `value`.
inline bool HoldsValue64(const std::uint8_t* bytes, std::uint8_t value) {
#if defined(__SSE2__)
  const __m128i wanted = _mm_set1_epi8(static_cast<char>(value));
  __m128i any = _mm_setzero_si128();
  for (int part = 0; part < 4; ++part) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * part));
    any = _mm_or_si128(any, _mm_cmpeq_epi8(chunk, wanted));
  }
  return _mm_movemask_epi8(any) != 0;
#else
  return std::memchr(bytes, value, 64) != nullptr;
#endif
}

// Bit i of the result is set when byte i of the 64 bytes at `bytes` equals `value`.
inline std::uint64_t MatchMask64(const std::uint8_t* bytes, std::uint8_t value) {
#if defined(__SSE2__)
  const __m128i wanted = _mm_set1_epi8(static_cast<char>(value));
  std::uint64_t mask = 0;
  for (int part = 0; part < 4; ++part) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * part));
    const auto bits = static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, wanted)));
    mask |= std::uint64_t{bits} << (16 * part);
  }
  return mask;
#else
  std::uint64_t mask = 0;
  for (int i = 0; i < 64; ++i) mask |= std::uint64_t{bytes[i] == value} << i;
  return mask;
#endif
}

// Calls visit(x, y) for every pixel of the value in the columns x0..x1 and rows
// y0..y1 (ends included, within the image), row by row, left to right. Made for
// thin outlines: 64 bytes are compared at once, and a block without the value
// costs a handful of instructions, a pixel of it a few more.
template <typename Visit>
void ForEachPixelOfValue(const ImageBuffer& image, std::uint8_t value, std::int32_t x0,
                         std::int32_t y0, std::int32_t x1, std::int32_t y1, Visit visit) {
  if (x0 > x1) return;
  for (std::int32_t y = y0; y <= y1; ++y) {
    const std::uint8_t* row = image.PixelAddress(0, y);
    std::int32_t x = x0;
    for (; x + 64 <= x1 + 1; x += 64) {
      // Most blocks of an outline image hold no pixel of the value: one test each.
      if (!HoldsValue64(row + x, value)) continue;
      for (std::uint64_t mask = MatchMask64(row + x, value); mask != 0; mask &= mask - 1) {
        visit(x + std::countr_zero(mask), y);
      }
    }
    for (; x <= x1; ++x) {
      if (row[x] == value) visit(x, y);
    }
  }
}

}  // namespace kep
