#include "fractal/fractal_engine.h"

namespace kep {

void FractalEngine::ParallelLinesMethod(DrawContext*) {}

}  // namespace kep
