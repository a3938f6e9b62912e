#include "fractal/fractal_engine.h"

namespace kep {

void FractalEngine::FastMethod(DrawContext*) {}

void FractalEngine::FastHybridMethod(DrawContext*) {}

}  // namespace kep
