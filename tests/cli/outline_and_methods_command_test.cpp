#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kep_cli.h"
#include "support/image_file_bytes.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

// An 8 x 6 top-down 8-bit bitmap with a filled 4 x 3 block at (2, 1)..(5, 3) in
// `particle` on `background`, and one pixel of 7 that no step changes.
Bytes BlockBmp(std::uint8_t particle, std::uint8_t background) {
  Bytes rows;
  for (std::int32_t y = 0; y < 6; ++y) {
    for (std::int32_t x = 0; x < 8; ++x) {
      const bool inside = x >= 2 && x <= 5 && y >= 1 && y <= 3;
      rows.push_back(x == 7 && y == 5 ? 7 : inside ? particle : background);
    }
  }
  return BmpBuilder(8, -6).Palette(GreyPalette()).Rows(rows).Build();
}

TEST(OutlineCommandTest, WritesTheOutlinesForBothParticleValues) {
  TempDir dir;
  const std::vector<std::string> ring = {"........", "..####..", "..#..#..",
                                         "..####..", "........", ".......7"};
  const std::string out = dir.File("out.pgm");
  ProgramResult result = RunKepCli({"outline", dir.Write("bright.bmp", BlockBmp(255, 0)), out});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(ReadFileBytes(out), Pgm(ring, 255, 0));

  result = RunKepCli({"outline", dir.Write("dark.bmp", BlockBmp(0, 255)), out, "--particle", "0"});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(ReadFileBytes(out), Pgm(ring, 0, 255));

  EXPECT_EQ(RunKepCli({"outline", dir.File("bright.bmp"), dir.File("out.txt")}).exitStatus, 2);
}

TEST(MethodsCommandTest, ListsTheElevenMethodsWithTheirParameters) {
  const ProgramResult result = RunKepCli({"methods"});
  EXPECT_EQ(result.exitStatus, 0);
  const std::vector<std::string> lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[0], "0\tdilation\tDilation\tFrom Radius : 1\tTo Radius : 20\tStep Size : 1");
  EXPECT_EQ(lines[1],
            "1\tedm\tEuclidean Distance Map (EDM)\tTo Radius : 15\tStep Size : 1\tReserved : 1");
  EXPECT_EQ(lines[10],
            "10\tcorner-perimeter\tCorner (Perimeter)\tFrom Height*10: 10\tTo Height*10 : 80\tStep "
            "Size*10: 3");
}

}  // namespace
}  // namespace kep::test
