#include "preprocess/preprocess_sequence.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "picture.h"

namespace kep {
namespace {

using test::Rows;
using ::testing::ElementsAre;

// A 10 x 10 grey picture: a 4 x 4 particle with a one-pixel hole, a one-pixel
// speck, and a particle pixel in the corner, which the frame removes.
ImageBuffer Scene(std::uint8_t background, std::uint8_t particle) {
  ImageBuffer image = test::Filled(10, 10, background);
  for (std::int32_t y = 3; y <= 6; ++y) {
    for (std::int32_t x = 2; x <= 5; ++x) image.SetPixel(x, y, particle);
  }
  image.SetPixel(3, 4, background);
  image.SetPixel(7, 7, particle);
  image.SetPixel(0, 0, particle);
  return image;
}

PreprocessSettings Settings(std::int32_t particleBrightness) {
  PreprocessSettings settings;
  settings.brightPercent = 0.0;
  settings.particleBrightness = particleBrightness;
  settings.minParticleSize = 1;
  settings.minHoleSize = 1;
  return settings;
}

TEST(RunPreprocessSequence, BrightParticles) {
  ImageBuffer a = Scene(30, 200);
  ImageBuffer b;
  ASSERT_EQ(RunPreprocessSequence(a, b, Settings(255)), PreprocessOutcome::kDone);
  EXPECT_THAT(Rows(b), ElementsAre("..........", "..........", "..........", "..####....", "..####....",
                                   "..####....", "..####....", "..........", "..........", ".........."));
  EXPECT_THAT(Rows(a), ElementsAre("..........", "..........", "..........", "..####....", "..#.##....",
                                   "..####....", "..####....", "..........", "..........", ".........."));
}

TEST(RunPreprocessSequence, DarkParticlesGetAFrameOfBackground) {
  ImageBuffer a = Scene(220, 20);
  ImageBuffer b;
  ASSERT_EQ(RunPreprocessSequence(a, b, Settings(0)), PreprocessOutcome::kDone);
  EXPECT_THAT(Rows(b), ElementsAre("##########", "##########", "##########", "##....####", "##....####",
                                   "##....####", "##....####", "##########", "##########", "##########"));
}

TEST(RunPreprocessSequence, PercentageIsTruncated) {
  // 12 pixels of 250 and one of 240 among 100: 12.9 % keeps the twelve.
  ImageBuffer a = test::Filled(10, 10, 100);
  for (std::int32_t i = 0; i < 12; ++i) a.SetPixel(3 + i % 4, 3 + i / 4, 250);
  a.SetPixel(3, 6, 240);
  PreprocessSettings settings = Settings(255);
  settings.brightPercent = 12.9;
  settings.minParticleSize = 0;
  settings.minHoleSize = 0;
  ImageBuffer b;
  ASSERT_EQ(RunPreprocessSequence(a, b, settings), PreprocessOutcome::kDone);
  EXPECT_THAT(Rows(b), ElementsAre("..........", "..........", "..........", "...####...", "...####...",
                                   "...####...", "..........", "..........", "..........", ".........."));
}

TEST(RunPreprocessSequence, RefusesBadValues) {
  ImageBuffer a = Scene(30, 200);
  ImageBuffer b;
  PreprocessSettings settings = Settings(100);
  EXPECT_EQ(RunPreprocessSequence(a, b, settings), PreprocessOutcome::kBadParticleValue);
  EXPECT_EQ(Rows(a), Rows(Scene(30, 200)));
  settings.particleBrightness = 255;
  settings.lowerBrightness = 256;
  EXPECT_EQ(RunPreprocessSequence(a, b, settings), PreprocessOutcome::kBrightnessOutOfRange);
  settings.lowerBrightness = 0;
  settings.higherBrightness = -1;
  EXPECT_EQ(RunPreprocessSequence(a, b, settings), PreprocessOutcome::kBrightnessOutOfRange);
  EXPECT_EQ(Rows(a), Rows(Scene(30, 200)));
}

}  // namespace
}  // namespace kep
