#include "fractal/fractal_engine.h"

namespace kep {

void FractalEngine::CornerMethod(DrawContext*, int) {}

}  // namespace kep
