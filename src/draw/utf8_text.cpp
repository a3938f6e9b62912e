#include "draw/utf8_text.h"

#include <cstddef>
#include <cstdint>

namespace kep {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Checks one encoded character at text[i]; on success advances i past it.
bool ReadCharacter(const std::string& text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) {
    ++i;
    return true;
  }
  // The lead byte tells the length and the first bits of the code point.
  std::size_t length = 4;
  std::uint32_t smallest = 0x10000;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    smallest = 0x800;
  } else if ((lead & 0xF8) != 0xF0) {
    return false;
  }
  std::uint32_t code = lead & (0x7F >> length);
  if (text.size() - i < length) return false;
  for (std::size_t k = 1; k < length; ++k) {
    const auto byte = static_cast<unsigned char>(text[i + k]);
    if (!IsContinuation(byte)) return false;
    code = (code << 6) | (byte & 0x3F);
  }
  // Overlong forms, surrogates and values beyond Unicode are malformed too.
  if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
  i += length;
  return true;
}

}  // namespace

std::string ValidUtf8(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (!ReadCharacter(text, i)) {
      std::string replaced = text;
      for (char& c : replaced) {
        if (static_cast<unsigned char>(c) > 127) c = '?';
      }
      return replaced;
    }
  }
  return text;
}

}  // namespace kep
