#include "fractal/fractal_engine.h"

namespace kep {

void FractalEngine::MassRadiusLong(DrawContext*) {}

void FractalEngine::MassRadiusShort(DrawContext*) {}

}  // namespace kep
