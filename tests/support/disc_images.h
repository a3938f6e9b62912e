#pragma once

#include <cstdint>
#include <string>

#include "support/image_file_bytes.h"
#include "support/temp_dir.h"

namespace kep::test {

// An 8-bit grey bitmap of a bright disc on a dark background, large enough for
// every method to measure.
Bytes DiscBitmap(std::int32_t size, std::int32_t radius, std::uint8_t disc, std::uint8_t ground);
// The same picture as an 8-bit little-endian TIFF file.
Bytes DiscTiff(std::int32_t size, std::int32_t radius, std::uint8_t disc, std::uint8_t ground);

}  // namespace kep::test
