#include "cli/measurement.h"

namespace kep::cli {

Measurement MeasureImage(const ImageBuffer& image, const MeasuredImageOptions& input,
                         const MethodOptions& method) {
  Measurement m;
  m.method = method.Index();
  m.params = method.Params();
  FractalEngine engine;
  engine.param1 = m.params[0];
  engine.param2 = m.params[1];
  engine.param3 = m.params[2];
  m.fd = engine.ComputeFD(static_cast<std::uint32_t>(m.method), &image, input.ObjectValue(),
                          input.BackgroundValue(), &m.points, nullptr);
  for (const PointSeries& outline : engine.outlines) m.outlinePoints += outline.Count();
  m.particles = engine.outlines.size();
  return m;
}

}  // namespace kep::cli
