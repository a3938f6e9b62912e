#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kep_cli.h"
#include "support/image_file_bytes.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

constexpr std::uint32_t kSide = 10;

// A 10 x 10 grey picture, top row first: a 4 x 4 particle with a one-pixel hole,
// a one-pixel speck, and a particle pixel in the corner that the frame removes.
Bytes Scene(std::uint8_t background, std::uint8_t particle) {
  Bytes pixels(kSide * kSide, background);
  const auto at = [&](std::uint32_t x, std::uint32_t y) -> std::uint8_t& { return pixels[y * kSide + x]; };
  for (std::uint32_t y = 3; y <= 6; ++y) {
    for (std::uint32_t x = 2; x <= 5; ++x) at(x, y) = particle;
  }
  at(3, 4) = background;
  at(7, 7) = particle;
  at(0, 0) = particle;
  return pixels;
}

// A bottom-up 8-bit bitmap of the picture (rows of 10 bytes padded to 12).
Bytes SceneBmp(const Bytes& pixels) {
  ByteWriter rows;
  for (std::uint32_t y = kSide; y-- > 0;) {
    rows.Append(Bytes(pixels.begin() + y * kSide, pixels.begin() + (y + 1) * kSide)).U16(0);
  }
  return BmpBuilder(kSide, kSide).Palette(GreyPalette()).Rows(rows.Data()).Build();
}

// The expected PGM file: '#' is 255, '.' is 0.
Bytes Pgm(const std::vector<std::string>& rows) {
  const std::string header = "P5\n10 10\n255\n";
  Bytes bytes(header.begin(), header.end());
  for (const std::string& row : rows) {
    for (const char c : row) bytes.push_back(c == '#' ? 255 : 0);
  }
  return bytes;
}

const std::vector<std::string> kBlock = {"..........", "..........", "..........", "..####....", "..####....",
                                         "..####....", "..####....", "..........", "..........", ".........."};
const std::vector<std::string> kDarkBlock = {"##########", "##########", "##########", "##....####",
                                             "##....####", "##....####", "##....####", "##########",
                                             "##########", "##########"};

TEST(PrepCommandTest, CleansBrightAndDarkParticlesFromBitmapsAndTiffs) {
  TempDir dir;
  const std::string out = dir.File("out.pgm");
  const std::vector<std::string> options = {"--percent", "0", "--min-particle", "1", "--min-hole", "1"};
  const auto run = [&](const std::string& input, const std::string& particle) {
    std::vector<std::string> args = {"prep", input, out, "--particle", particle};
    args.insert(args.end(), options.begin(), options.end());
    const ProgramResult result = RunKepCli(args);
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out + result.err, "");
    return ReadFileBytes(out);
  };
  EXPECT_EQ(run(dir.Write("bright.bmp", SceneBmp(Scene(30, 200))), "255"), Pgm(kBlock));
  EXPECT_EQ(run(dir.Write("bright.tif", BuildPictureTiff(false, kSide, kSide, 8, Scene(30, 200))), "255"),
            Pgm(kBlock));
  EXPECT_EQ(run(dir.Write("dark.bmp", SceneBmp(Scene(220, 20))), "0"), Pgm(kDarkBlock));
}

TEST(PrepCommandTest, DefaultsRemoveParticlesOfUpTo300Pixels) {
  TempDir dir;
  // 40 x 40: a particle of 300 pixels and one of 301, both of 200 on 0.
  const std::uint32_t side = 40;
  Bytes pixels(side * side, 0);
  for (std::uint32_t y = 0; y < 15; ++y) {
    for (std::uint32_t x = 0; x < 20; ++x) {
      pixels[(3 + y) * side + 3 + x] = 200;
      pixels[(20 + y) * side + 3 + x] = 200;
    }
  }
  pixels[20 * side + 23] = 200;
  const std::string input = dir.Write("two.tif", BuildPictureTiff(true, side, side, 8, pixels));
  const ProgramResult result = RunKepCli({"prep", input, dir.File("out.pgm"), "--percent", "0"});
  ASSERT_EQ(result.exitStatus, 0) << result.err;
  const Bytes out = ReadFileBytes(dir.File("out.pgm"));
  const std::size_t header = std::string("P5\n40 40\n255\n").size();
  ASSERT_EQ(out.size(), header + side * side);
  std::size_t bright = 0;
  for (std::size_t i = header; i < out.size(); ++i) bright += out[i] == 255 ? 1 : 0;
  EXPECT_EQ(bright, 301u);
  EXPECT_EQ(out[header + 20 * side + 23], 255);
}

TEST(PrepCommandTest, ValuesOutsideTheirRangesAreUsageErrors) {
  TempDir dir;
  const std::string input = dir.Write("in.bmp", SceneBmp(Scene(30, 200)));
  const std::string out = dir.File("out.pgm");

  ProgramResult result = RunKepCli({"prep", input, out, "--particle", "100"});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_NE(result.err.find("Please input 0 or 255 for particle brightness!"), std::string::npos) << result.err;

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
