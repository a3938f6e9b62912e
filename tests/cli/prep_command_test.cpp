#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "kep_cli.h"
#include "support/shape_images.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

// A 10 x 10 picture: a 4 x 4 particle with a one-pixel hole, a one-pixel speck,
// and a particle pixel in the corner that the frame removes.
bool Scene(int x, int y) {
  const bool block = x >= 2 && x <= 5 && y >= 3 && y <= 6 && !(x == 3 && y == 4);
  return block || (x == 7 && y == 7) || (x == 0 && y == 0);
}

TEST(PrepCommandTest, CleansBrightAndDarkParticlesFromBitmapsAndTiffs) {
  TempDir dir;
  const std::string out = dir.File("out.pgm");
  const auto run = [&](const std::string& input, const std::string& particle) {
    const ProgramResult result = RunKepCli({"prep", input, out, "--particle", particle, "--percent",
                                            "0", "--min-particle", "1", "--min-hole", "1"});
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out + result.err, "");
    return ReadFileBytes(out);
  };
  const std::vector<std::string> block = {"..........", "..........", "..........", "..####....",
                                          "..####....", "..####....", "..####....", "..........",
                                          "..........", ".........."};
  EXPECT_EQ(run(dir.Write("bright.bmp", ShapeBitmap(10, 10, Scene, 200, 30)), "255"),
            Pgm(block, 255, 0));
  EXPECT_EQ(run(dir.Write("bright.tif", ShapeTiff(10, 10, Scene, 200, 30, false)), "255"),
            Pgm(block, 255, 0));
  EXPECT_EQ(run(dir.Write("dark.bmp", ShapeBitmap(10, 10, Scene, 20, 220)), "0"),
            Pgm(block, 0, 255));
}

TEST(PrepCommandTest, DefaultsRemoveParticlesOfUpTo300Pixels) {
  TempDir dir;
  // 40 x 40: a particle of 20 x 15 = 300 pixels and one of 301, both of 200 on 0.
  const Shape two = [](int x, int y) {
    return (x >= 3 && x < 23 && ((y >= 3 && y < 18) || (y >= 20 && y < 35))) ||
           (x == 23 && y == 20);
  };
  const std::string input = dir.Write("two.tif", ShapeTiff(40, 40, two, 200, 0));
  const ProgramResult result = RunKepCli({"prep", input, dir.File("out.pgm"), "--percent", "0"});
  ASSERT_EQ(result.exitStatus, 0) << result.err;
  const Bytes out = ReadFileBytes(dir.File("out.pgm"));
  const std::size_t header = std::string("P5\n40 40\n255\n").size();
  ASSERT_EQ(out.size(), header + 40 * 40);
  EXPECT_EQ(std::count(out.begin() + header, out.end(), 255), 301);
  EXPECT_EQ(out[header + 20 * 40 + 23], 255);
}

TEST(PrepCommandTest, ValuesOutsideTheirRangesAreUsageErrors) {
  TempDir dir;
  const std::string input = dir.Write("in.bmp", ShapeBitmap(10, 10, Scene, 200, 30));
  const std::string out = dir.File("out.pgm");

  ProgramResult result = RunKepCli({"prep", input, out, "--particle", "100"});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_NE(result.err.find("Please input 0 or 255 for particle brightness!"), std::string::npos)
      << result.err;

  for (const std::vector<std::string>& option :
       std::vector<std::vector<std::string>>{{"--percent", "100.5"},
                                             {"--percent", "-0.1"},
                                             {"--lower", "256"},
                                             {"--higher", "-1"},
                                             {"--min-particle", "1000001"},
                                             {"--min-hole", "-1"}}) {
    result = RunKepCli({"prep", input, out, option[0], option[1]});
    EXPECT_EQ(result.exitStatus, 2) << option[0] << " " << option[1];
  }
  EXPECT_TRUE(ReadFileBytes(out).empty());
}

}  // namespace
}  // namespace kep::test
