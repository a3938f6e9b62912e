#pragma once

#include <string>

namespace kep {

// The text itself when it is valid UTF-8; otherwise the text with every byte
// above 127 replaced by '?'. Text renderers refuse malformed UTF-8, while file
// names and labels may come in any 8-bit encoding.
std::string ValidUtf8(const std::string& text);

}  // namespace kep
