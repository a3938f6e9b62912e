#pragma once

// The pictures every benchmark runs on, generated once per process, and engines
// prepared from them as ComputeFD leaves an engine just before it runs a method.

#include <cstdint>
#include <string>
#include <vector>

#include "fractal/fractal_engine.h"
#include "image/image_buffer.h"

namespace kep::bench {

struct PictureSpec {
  std::string name;  // e.g. "snowflake-2048"
  enum Kind { kSnowflake, kIsland, kParticles } kind;
  std::int32_t size;
};

// Koch snowflake and quadratic Koch island at 512, 2048 and 4096 pixels, and 300
// random particles at 2048.
const std::vector<PictureSpec>& Pictures();
const PictureSpec& PictureNamed(const std::string& name);

const ImageBuffer& PictureImage(const PictureSpec& picture);
// Prepared for bright particles, bounding box found; the caller sets the parameters.
FractalEngine& PreparedEngine(const PictureSpec& picture);

}  // namespace kep::bench
