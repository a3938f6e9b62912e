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

TEST(MassRadiusTest, ShortFormCentresAreEveryFifthPixelAndTheDivisorCountsOneMore) {
  // At a radius that reaches every pixel, each centre pairs with all n pixels of its
  // outline and the divisor is (n div 5) + 1: 4 pixels give 1 centre, 4 / 1; 10 give
  // 2 centres (positions 0 and 5) but the divisor 3, 20 / 3; 11 give 3 centres, 33 / 3.
  const PointSeries four = PixelRow(0, 0, 4);
  const PointSeries ten = PixelRow(0, 2, 10);
  const PointSeries eleven = PixelRow(0, 4, 11);
  const auto massAt20 = [](const std::vector<PointSeries>& outlines, MassRadiusForm form) {
    return MassRadiusPoints(outlines, form, {20, 21, 1})[0].y;
  };
  EXPECT_EQ(massAt20({four}, MassRadiusForm::kShort), 4);
  EXPECT_EQ(massAt20({ten}, MassRadiusForm::kShort), 6);
  EXPECT_EQ(massAt20({eleven}, MassRadiusForm::kShort), 11);
  // Together: (4 + 20 + 33) / (1 + 3 + 3); the Long form (16 + 100 + 121) / 25.
  EXPECT_EQ(massAt20({four, ten, eleven}, MassRadiusForm::kShort), 8);
  EXPECT_EQ(massAt20({four, ten, eleven}, MassRadiusForm::kLong), 9);
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

TEST(MassRadiusTest, TheRadiiStopBeforeTheToRadiusAndBadRangesGiveNoPoint) {
  test::PreparedEngine shortForm({SquareRing(0, 0)});
  shortForm.Params(4, 8, 2).Run(MassRadiusShort);
  EXPECT_EQ(test::XValues(shortForm.result), (std::vector<std::int32_t>{4, 6}));
  EXPECT_EQ(MassRadiusPoints({SquareRing(0, 0)}, MassRadiusForm::kLong, {1, 20, 0}).Count(), 0);
  EXPECT_EQ(MassRadiusPoints({PointSeries{}}, MassRadiusForm::kLong, {1, 20, 1}).Count(), 0);
}

TEST(MassRadiusTest, AnimationPaintsRedRingsAroundTheOutlineOrTheCentres) {
  // A single pixel at (10, 10): radii 1 and 2 paint the disc of radius 2 around it,
  // all but the pixel itself. In the Short form the pixel is its own centre.
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
    EXPECT_EQ(window.PixelsOf(window.flushes.back(), kRed), test::DiscAround({10, 10}, 2));
    EXPECT_EQ(PointsOf(prepared.result), (std::vector<SeriesPoint>{{1, 1}, {2, 1}}));
  }
}

}  // namespace
}  // namespace kep
