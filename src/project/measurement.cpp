#include "project/measurement.h"

namespace kep {

Measurement MeasureImage(FractalEngine& engine, const ImageBuffer& image,
                         const MeasureSettings& settings, DrawContext* animation) {
  Measurement m;
  engine.param1 = settings.params[0];
  engine.param2 = settings.params[1];
  engine.param3 = settings.params[2];
  m.fd = engine.ComputeFD(settings.method, &image, settings.objectValue, settings.backgroundValue,
                          &m.points, animation);
  for (const PointSeries& outline : engine.outlines) m.outlinePoints += outline.Count();
  m.particles = engine.outlines.size();
  return m;
}

}  // namespace kep
