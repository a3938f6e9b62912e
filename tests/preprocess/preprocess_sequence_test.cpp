#include "preprocess/preprocess_sequence.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "picture.h"

namespace kep::test {
namespace {

using ::testing::ElementsAre;

// A 10 x 10 grey picture: a 4 x 4 particle with a one-pixel hole, a one-pixel
// speck, and a particle pixel in the corner, which the frame removes.
ImageBuffer Scene(std::uint8_t background, std::uint8_t particle) {
  ImageBuffer image = Filled(10, 10, background);
  for (std::int32_t y = 3; y <= 6; ++y) {
    for (std::int32_t x = 2; x <= 5; ++x) image.SetPixel(x, y, particle);
  }
  image.SetPixel(3, 4, background);
  image.SetPixel(7, 7, particle);
  image.SetPixel(0, 0, particle);
  return image;
}

PreprocessSettings Settings() {
  PreprocessSettings settings;
  settings.brightPercent = 0.0;
  settings.minParticleSize = 1;
  settings.minHoleSize = 1;
  return settings;
}

TEST(RunPreprocessSequence, BrightParticles) {
  ImageBuffer a = Scene(30, 200);
  ImageBuffer b;
  ASSERT_EQ(RunPreprocessSequence(a, b, Settings(), 255), std::nullopt);
  EXPECT_THAT(Rows(b),
              ElementsAre("..........", "..........", "..........", "..####....", "..####....",
                          "..####....", "..####....", "..........", "..........", ".........."));
  EXPECT_THAT(Rows(a),
              ElementsAre("..........", "..........", "..........", "..####....", "..#.##....",
                          "..####....", "..####....", "..........", "..........", ".........."));
}

TEST(RunPreprocessSequence, DarkParticlesGetAFrameOfBackground) {
  ImageBuffer a = Scene(220, 20);
  ImageBuffer b;
  ASSERT_EQ(RunPreprocessSequence(a, b, Settings(), 0), std::nullopt);
  EXPECT_THAT(Rows(b),
              ElementsAre("##########", "##########", "##########", "##....####", "##....####",
                          "##....####", "##....####", "##########", "##########", "##########"));
}

TEST(RunPreprocessSequence, PercentageIsTruncated) {
  // 12 pixels of 250 and one of 240 among 100: 12.9 % keeps the twelve.
  ImageBuffer a = Filled(10, 10, 100);
  for (std::int32_t i = 0; i < 12; ++i) a.SetPixel(3 + i % 4, 3 + i / 4, 250);
  a.SetPixel(3, 6, 240);
  PreprocessSettings settings = Settings();
  settings.brightPercent = 12.9;
  settings.minParticleSize = 0;
  settings.minHoleSize = 0;
  ImageBuffer b;
  ASSERT_EQ(RunPreprocessSequence(a, b, settings, 255), std::nullopt);
  EXPECT_THAT(Rows(b),
              ElementsAre("..........", "..........", "..........", "...####...", "...####...",
                          "...####...", "..........", "..........", "..........", ".........."));
}

TEST(RunPreprocessSequence, RefusesBadValuesWithTheirNames) {
  ImageBuffer a = Scene(30, 200);
  ImageBuffer b;
  PreprocessSettings settings = Settings();
  const std::optional<Failure> particle = RunPreprocessSequence(a, b, settings, 100);
  EXPECT_EQ(particle->text, "Particle Brightness 100 is neither 0 nor 255");
  EXPECT_EQ(particle->message, "Please input 0 or 255 for particle brightness!");
  EXPECT_EQ(Rows(a), Rows(Scene(30, 200)));
  settings.lowerBrightness = 256;
  EXPECT_EQ(RunPreprocessSequence(a, b, settings, 255)->text,
            "Lower Brightness 256 is outside 0 to 255");
  settings.lowerBrightness = 0;
  settings.higherBrightness = -1;
  const std::optional<Failure> higher = RunPreprocessSequence(a, b, settings, 100);
  EXPECT_EQ(higher->code, FailureCode::kBadSettings);
  EXPECT_EQ(higher->text,
            "Higher Brightness -1 is outside 0 to 255");  // checked before the particle
  EXPECT_TRUE(higher->message.empty());
  EXPECT_EQ(Rows(a), Rows(Scene(30, 200)));
}

}  // namespace
}  // namespace kep::test
