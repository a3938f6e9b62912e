#include "project/particle_measurement.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "fractal/method_table.h"
#include "preprocess/picture.h"
#include "support/random_picture.h"

namespace kep {
namespace {

using test::Between;

// The particles' pixels by the definition: the 8-connected regions of the value,
// numbered from 1 in the order of their first pixel in a row-by-row scan.
std::vector<std::int32_t> Label(const ImageBuffer& image, std::uint8_t value) {
  const std::int32_t w = image.Width();
  std::vector<std::int32_t> label(static_cast<std::size_t>(w) * image.Height(), 0);
  std::int32_t next = 0;
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    for (std::int32_t x = 0; x < w; ++x) {
      if (image.GetPixel(x, y) != value || label[y * w + x] != 0) continue;
      std::vector<SeriesPoint> pending{{x, y}};
      label[y * w + x] = ++next;
      while (!pending.empty()) {
        const SeriesPoint p = pending.back();
        pending.pop_back();
        for (std::int32_t dy = -1; dy <= 1; ++dy) {
          for (std::int32_t dx = -1; dx <= 1; ++dx) {
            const SeriesPoint q{p.x + dx, p.y + dy};
            if (!image.Contains(q.x, q.y) || image.GetPixel(q.x, q.y) != value) continue;
            if (label[q.y * w + q.x] != 0) continue;
            label[q.y * w + q.x] = next;
            pending.push_back(q);
          }
        }
      }
    }
  }
  return label;
}

// What the engine gives for the whole image with every other particle's pixels
// made background.
MeasureResult MeasuredAlone(const ImageBuffer& image, const std::vector<std::int32_t>& label,
                            std::int32_t number, const MeasureSettings& settings) {
  const auto particle = static_cast<std::uint8_t>(settings.particle);
  ImageBuffer alone = test::Filled(image.Width(), image.Height(), 0);
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    for (std::int32_t x = 0; x < image.Width(); ++x) {
      const std::int32_t l = label[static_cast<std::size_t>(y) * image.Width() + x];
      const bool other = image.GetPixel(x, y) == particle && l != number;
      alone.SetPixel(x, y, other ? BackgroundValueFor(particle) : image.GetPixel(x, y));
    }
  }
  FractalEngine engine;
  engine.param1 = settings.params[0];
  engine.param2 = settings.params[1];
  engine.param3 = settings.params[2];
  engine.gridOffsets = settings.gridOffsets;
  return engine.ComputeFD(settings.method, alone, particle, BackgroundValueFor(particle), nullptr);
}

TEST(ParticleMeasurementTest, EachParticleGivesExactlyWhatItGivesAloneInTheWholeImage) {
  const int cases = 400;
  for (std::uint32_t seed = 1; seed <= cases; ++seed) {
    std::mt19937 random(seed);
    const std::uint8_t particle = random() % 2 == 0 ? 255 : 0;
    const ImageBuffer image = test::RandomPicture(random, particle, 255 - particle);
    MeasureSettings settings;
    settings.method = static_cast<std::uint32_t>(Between(random, 0, kMethodCount - 1));
    settings.params = {Between(random, 1, 12), Between(random, 6, 40), Between(random, 1, 3)};
    settings.particle = particle;
    settings.gridOffsets = Between(random, 1, 3);
    SCOPED_TRACE(::testing::Message() << "seed " << seed << ", method " << settings.method);

    const std::vector<std::int32_t> label = Label(image, particle);
    MeasureWorkspace workspace;
    const Outcome<std::vector<ParticleMeasurement>> measured =
        MeasureParticles(workspace, image, settings);
    ASSERT_TRUE(measured.Ok());
    const std::int32_t count = label.empty() ? 0 : *std::max_element(label.begin(), label.end());
    ASSERT_EQ(static_cast<std::int32_t>(measured.Value().size()), count);
    for (const ParticleMeasurement& p : measured.Value()) {
      const MeasureResult alone = MeasuredAlone(image, label, p.number, settings);
      EXPECT_EQ(p.result.dimension, alone.dimension) << "particle " << p.number;
      EXPECT_EQ(std::vector<SeriesPoint>(p.result.points.begin(), p.result.points.end()),
                std::vector<SeriesPoint>(alone.points.begin(), alone.points.end()));
      EXPECT_EQ(p.result.outlinePoints, alone.outlinePoints);
      EXPECT_EQ(p.result.failure.has_value(), alone.failure.has_value());
      EXPECT_EQ(label[static_cast<std::size_t>(p.region.seed.y) * image.Width() + p.region.seed.x],
                p.number);
    }
    if (::testing::Test::HasFailure()) return;
  }
}

TEST(ParticleMeasurementTest, ParticlesAreEightConnectedRegionsNumberedByTheirFirstPixel) {
  // A ring with a hole holding a dot, two squares touching at a corner, and a
  // bar on the image's edge.
  const ImageBuffer image = test::Picture({
      "..........#",
      ".#####....#",
      ".#...#..###",
      ".#.#.#..#..",
      ".#...#.....",
      ".#####.##..",
      ".......##..",
      ".........##",
      ".........##",
  });
  FractalEngine engine;
  ASSERT_EQ(engine.PrepareImage(image, 255, 0), std::nullopt);
  const std::vector<ParticleRegion>& regions = engine.regions;
  ASSERT_EQ(regions.size(), 4u);
  // The bar and the hook on the right come first: its top pixel is the first in the scan.
  EXPECT_EQ(regions[0].seed, (SeriesPoint{10, 0}));
  EXPECT_EQ(regions[0].area, 6);
  EXPECT_EQ((std::array{regions[0].left, regions[0].top, regions[0].right, regions[0].bottom}),
            (std::array{8, 0, 10, 3}));
  EXPECT_EQ(regions[1].seed, (SeriesPoint{1, 1}));
  EXPECT_EQ(regions[1].area, 16);
  EXPECT_DOUBLE_EQ(regions[1].centroidX, 3.0);
  EXPECT_DOUBLE_EQ(regions[1].centroidY, 3.0);
  EXPECT_EQ(regions[2].seed, (SeriesPoint{3, 3}));  // the dot in the ring's hole
  EXPECT_EQ(regions[2].area, 1);
  EXPECT_EQ(regions[3].seed, (SeriesPoint{7, 5}));  // the squares touching at a corner
  EXPECT_EQ(regions[3].area, 8);
  EXPECT_DOUBLE_EQ(regions[3].centroidX, 8.5);
}

}  // namespace
}  // namespace kep
