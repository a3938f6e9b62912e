#include "preprocess/trace_boundary.h"

#include <bit>

#include "image/direction.h"

namespace kep {

namespace {

// The work area of the outline tracing, one per thread: the start pixel and the
// direction codes of the current trace. The chain keeps its storage between traces.
struct TraceState {
  const ImageBuffer* image = nullptr;
  std::int32_t startX = 0;
  std::int32_t startY = 0;
  std::vector<std::uint8_t> chain;
  std::int32_t length = 0;  // an isolated pixel has length 1 and no code
};

constexpr std::size_t kInitialChainRoom = 2048;

thread_local TraceState t_trace;

// Neighbour mask that treats neighbours outside the image as different, for the
// pixels of the outermost rows and columns where the unchecked mask would read
// outside the pixel array.
std::uint8_t CheckedNeighbourMask(const ImageBuffer& image, std::int32_t x, std::int32_t y) {
  const std::uint8_t centre = *image.PixelAddress(x, y);
  std::uint8_t mask = 0;
  for (int d = 0; d < 8; ++d) {
    const std::int32_t nx = x + kDirectionSteps[d].dx;
    const std::int32_t ny = y + kDirectionSteps[d].dy;
    if (image.Contains(nx, ny) && *image.PixelAddress(nx, ny) == centre) {
      mask |= static_cast<std::uint8_t>(1u << d);
    }
  }
  return mask;
}

std::uint8_t MaskAt(const ImageBuffer& image, std::int32_t x, std::int32_t y) {
  const bool inner = x >= 1 && y >= 1 && x < image.Width() - 1 && y < image.Height() - 1;
  return inner ? image.NeighbourMask(x, y) : CheckedNeighbourMask(image, x, y);
}

void AppendCode(TraceState& trace, std::uint8_t code) {
  if (trace.chain.capacity() == 0) trace.chain.reserve(kInitialChainRoom);
  trace.chain.push_back(code);
}

// Walks from the start pixel along the pixels of its value, keeping the other
// values on the right-hand side, until the walk is back at the start pixel.
void FollowContour(TraceState& trace, std::int32_t search) {
  const ImageBuffer& image = *trace.image;
  std::int32_t x = trace.startX;
  std::int32_t y = trace.startY;
  std::uint8_t mask = MaskAt(image, x, y);
  do {
    std::int32_t k = search + 1;
    while ((mask & (1u << (k % 8))) == 0) ++k;
    const std::int32_t step = k % 8;
    // The next search starts one direction clockwise of a straight step, two of a
    // diagonal one.
    search = (step % 2 == 0) ? (step + 6) % 8 : (step + 5) % 8;
    AppendCode(trace, static_cast<std::uint8_t>(step));
    x += kDirectionSteps[step].dx;
    y += kDirectionSteps[step].dy;
    mask = MaskAt(image, x, y);
  } while (x != trace.startX || y != trace.startY);
}

}  // namespace

std::int32_t TraceBoundary(const ImageBuffer& image, std::int32_t x, std::int32_t y) {
  TraceState& trace = t_trace;
  trace.image = &image;
  trace.startX = x;
  trace.startY = y;
  trace.chain.clear();
  trace.length = 0;
  if (!image.Contains(x, y)) return 0;
  const std::uint8_t mask = MaskAt(image, x, y);
  const int equalNeighbours = std::popcount(mask);
  if (equalNeighbours == 8) return 0;
  // An isolated pixel is a trace of one position and no step.
  if (equalNeighbours == 0) {
    trace.length = 1;
    return 1;
  }
  const std::uint32_t twice = mask | (static_cast<std::uint32_t>(mask) << 8);
  // A run leaves the start pixel wherever a different neighbour is followed
  // (counter-clockwise) by an equal one. Behind a different diagonal neighbour the
  // two straight neighbours touch at a corner: they are one run, walked once.
  for (std::int32_t i = 0; i < 8; ++i) {
    const bool clear = (twice & (1u << i)) == 0;
    const bool nextSet = (twice & (1u << (i + 1))) != 0;
    const bool afterEqual = i % 2 == 1 && (twice & (1u << (i - 1))) != 0;
    if (clear && nextSet && !afterEqual) FollowContour(trace, i);
  }
  trace.length = static_cast<std::int32_t>(trace.chain.size());
  return trace.length;
}

std::int32_t ChainToPoints(PointSeries& points) {
  const TraceState& trace = t_trace;
  const std::int32_t length = trace.length;
  points.SetSize(length);
  if (length == 0) return 0;
  points[0] = SeriesPoint{trace.startX, trace.startY};
  for (std::int32_t i = 1; i < length; ++i) {
    const DirectionStep step = kDirectionSteps[trace.chain[static_cast<std::size_t>(i - 1)]];
    points[i] = SeriesPoint{points[i - 1].x + step.dx, points[i - 1].y + step.dy};
  }
  return length;
}

std::vector<std::uint8_t> CurrentChain() { return t_trace.chain; }

}  // namespace kep
