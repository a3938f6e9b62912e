#include "fractal/fractal_engine.h"

namespace kep {

void FractalEngine::CumulativeIntersectionMethod(DrawContext*) {}

}  // namespace kep
