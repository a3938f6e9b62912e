#include "fractal/mass_radius_method.h"

#include <gtest/gtest.h>

#include "walking_fixture.h"

namespace kep {
namespace {

using test::Outline;
using test::PixelRow;
using test::PointsOf;
using test::SquareRing;

TEST(MassRadiusTest, LongFormPairsEveryPixelWithEveryPixelOfItsOutline) {
  // Five pixels in a row: within 1 each has itself and its neighbours, 2+3+3+3+2 = 13
  // pairs, 13 / 5 = 2; within 2, 19 / 5 = 3; within 3, 23 / 5 = 4; within 4, 25 / 5.
  EXPECT_EQ(PointsOf(MassRadiusPoints({PixelRow(0, 0, 5)}, MassRadiusForm::kLong, {1, 5, 1})),
            (std::vector<SeriesPoint>{{1, 2}, {2, 3}, {3, 4}, {4, 5}}));
  // A one-pixel outline adds its one pair and one pixel: 14 / 6.
  EXPECT_EQ(PointsOf(MassRadiusPoints({PixelRow(0, 0, 5), Outline({{2, 1}})}, MassRadiusForm::kLong,
                                      {1, 2, 1})),
            (std::vector<SeriesPoint>{{1, 2}}));
}

TEST(MassRadiusTest, ShortFormCentresAreEveryFifthPixel) {
  const PointSeries four = PixelRow(0, 0, 4);
  const PointSeries ten = PixelRow(0, 2, 10);
  const PointSeries eleven = PixelRow(0, 4, 11);
  EXPECT_EQ(PointsOf(ShortFormCentres({four, ten, eleven})),
            (std::vector<SeriesPoint>{{0, 0}, {0, 2}, {5, 2}, {0, 4}, {5, 4}, {10, 4}}));
  // (4 div 5) + 1, (10 div 5) + 1 = 3 although ten gives 2 centres, (11 div 5) + 1.
  EXPECT_EQ(MassDivisor({four}, MassRadiusForm::kShort), 1u);
  EXPECT_EQ(MassDivisor({ten}, MassRadiusForm::kShort), 3u);
  EXPECT_EQ(MassDivisor({eleven}, MassRadiusForm::kShort), 3u);
  EXPECT_EQ(MassDivisor({four, ten, eleven}, MassRadiusForm::kLong), 25u);
  EXPECT_EQ(MassDivisor({Outline({{1, 1}})}, MassRadiusForm::kShort), 1u);
}

TEST(MassRadiusTest, ShortFormDividesTheCentresPairsByTheDivisor) {
  // Five pixels in a row: the one centre (0,0) has 2, 3, 4, 5 pixels within 1 to 4,
  // divided by (5 div 5) + 1 = 2.
  EXPECT_EQ(PointsOf(MassRadiusPoints({PixelRow(0, 0, 5)}, MassRadiusForm::kShort, {1, 5, 1})),
            (std::vector<SeriesPoint>{{1, 1}, {2, 1}, {3, 2}, {4, 2}}));
  // Ten pixels 10 apart: the centres at positions 0 and 5 find only themselves,
  // 2 pairs / 3, and the mass 0 stays in the series.
  PointSeries sparse;
  for (std::int32_t i = 0; i < 10; ++i) sparse.Append(10 * i, 0);
  EXPECT_EQ(PointsOf(MassRadiusPoints({sparse}, MassRadiusForm::kShort, {1, 2, 1})),
            (std::vector<SeriesPoint>{{1, 0}}));
}

TEST(MassRadiusTest, TwoFarApartIdenticalParticlesWeighAsOne) {
  for (const MassRadiusForm form : {MassRadiusForm::kLong, MassRadiusForm::kShort}) {
    const PointSeries one = MassRadiusPoints({SquareRing(0, 0)}, form, {1, 20, 1});
    const PointSeries two =
        MassRadiusPoints({SquareRing(0, 0), SquareRing(1000, 0)}, form, {1, 20, 1});
    EXPECT_EQ(PointsOf(one), PointsOf(two));
    ASSERT_EQ(one.Count(), 19);
    // Every pixel of the ring lies within √18 of every other.
    EXPECT_EQ(one[18], (SeriesPoint{19, 12}));
  }
}

TEST(MassRadiusTest, DefaultsGiveTheRadii1To19AndBadRangesNoPoint) {
  test::PreparedEngine longForm({SquareRing(0, 0)});
  longForm.Params(1, 20, 1).Run(MassRadiusLong);
  ASSERT_EQ(longForm.result.Count(), 19);
  EXPECT_EQ(longForm.result[0], (SeriesPoint{1, 3}));
  EXPECT_EQ(longForm.result[18].x, 19);

  test::PreparedEngine shortForm({SquareRing(0, 0)});
  shortForm.Params(4, 8, 2).Run(MassRadiusShort);
  EXPECT_EQ(test::XValues(shortForm.result), (std::vector<std::int32_t>{4, 6}));

  EXPECT_EQ(MassRadiusPoints({SquareRing(0, 0)}, MassRadiusForm::kLong, {1, 20, 0}).Count(), 0);
  EXPECT_EQ(MassRadiusPoints({PointSeries{}}, MassRadiusForm::kLong, {1, 20, 1}).Count(), 0);
}

TEST(MassRadiusTest, AnimationPaintsRedRingsAroundTheOutlineOrTheCentres) {
  // A single pixel at (10, 10): radii 1 and 2 paint the disc of radius 2 around it,
  // all but the pixel itself. In the Short form the pixel is its own centre.
  std::vector<SeriesPoint> disc;
  for (std::int32_t y = 8; y <= 12; ++y) {
    for (std::int32_t x = 8; x <= 12; ++x) {
      const std::int32_t d2 = (x - 10) * (x - 10) + (y - 10) * (y - 10);
      if (d2 >= 1 && d2 <= 4) disc.push_back({x, y});
    }
  }
  for (const bool shortForm : {false, true}) {
    test::PreparedEngine prepared({Outline({{10, 10}})}, 20, 20);
    prepared.Params(1, 3, 1);
    test::FlushRecordingWindow window(20, 20, kBlack);
    if (shortForm) {
      prepared.Run(MassRadiusShort, &window);
    } else {
      prepared.Run(MassRadiusLong, &window);
    }
    EXPECT_EQ(window.flushes.size(), 3u);  // one per radius, one at the end
    EXPECT_EQ(window.PixelsOf(window.flushes.back(), kRed), disc);
    EXPECT_EQ(PointsOf(prepared.result), (std::vector<SeriesPoint>{{1, 1}, {2, 1}}));
  }
}

}  // namespace
}  // namespace kep
