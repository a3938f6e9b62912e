#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "kep_cli.h"
#include "support/shape_images.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

// A 32 x 32 grey bitmap: background 0 with one 12 x 12 square of `particle`.
Bytes SquareBmp(std::uint8_t particle) {
  return ShapeBitmap(
      32, 32, [](int x, int y) { return x >= 10 && x < 22 && y >= 10 && y < 22; }, particle);
}

// The width and height in a PNG file's header chunk, or (0, 0) for no PNG.
std::pair<std::uint32_t, std::uint32_t> PngSize(const Bytes& file) {
  const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (file.size() < 24 || !std::equal(signature.begin(), signature.end(), file.begin()))
    return {0, 0};
  const auto at = [&file](std::size_t i) {
    return std::uint32_t{file[i]} << 24 | std::uint32_t{file[i + 1]} << 16 |
           std::uint32_t{file[i + 2]} << 8 | file[i + 3];
  };
  return {at(16), at(20)};
}

TEST(PlotCommandTest, WritesTheLogLogPlotAsPngOrSvgAndTheHistogramPlot) {
  TempDir dir;
  const std::string image = dir.Write("square.bmp", SquareBmp(255));

  const ProgramResult png = RunKepCli({"plot", image, dir.File("plot.png")});
  EXPECT_EQ(png.exitStatus, 0) << png.err;
  EXPECT_EQ(png.out + png.err, "");
  EXPECT_EQ(PngSize(ReadFileBytes(dir.File("plot.png"))), std::make_pair(640u, 480u));

  const ProgramResult svg = RunKepCli(
      {"plot", image, dir.File("plot.SVG"), "--method", "box-counting", "--size", "300x200"});
  EXPECT_EQ(svg.exitStatus, 0) << svg.err;
  const Bytes bytes = ReadFileBytes(dir.File("plot.SVG"));
  const std::string text(bytes.begin(), bytes.end());
  EXPECT_EQ(text.rfind("<?xml", 0), 0u);
  EXPECT_NE(text.find("width=\"300px\" height=\"200px\""), std::string::npos);

  const ProgramResult result =
      RunKepCli({"plot", "--histogram", image, dir.File("histogram.png"), "--size", "335x300"});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(PngSize(ReadFileBytes(dir.File("histogram.png"))), std::make_pair(335u, 300u));
}

TEST(PlotCommandTest, WithoutADimensionThePictureIsWrittenAndTheCommandFails) {
  TempDir dir;
  const std::string image = dir.Write("blank.bmp", SquareBmp(0));
  const ProgramResult result = RunKepCli({"plot", image, dir.File("plot.png")});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.err, "Sorry! I can't Calculate Fractal Dimension!\nkep-cli: " + image +
                            ": no dimension: no particle of grey value 255 in the image\n");
  EXPECT_EQ(PngSize(ReadFileBytes(dir.File("plot.png"))), std::make_pair(640u, 480u));
}

TEST(PlotCommandTest, UsageErrorsWriteNothing) {
  TempDir dir;
  const std::string image = dir.Write("square.bmp", SquareBmp(255));
  const std::string out = dir.File("plot.png");
  const std::vector<std::vector<std::string>> misuses = {
      {"plot", image, dir.File("plot.jpg")},
      {"plot", image, out, "--size", "640"},
      {"plot", image, out, "--size", "0x480"},
      {"plot", image, out, "--size", "640x100000"},
      {"plot", "--histogram", image, out, "--method", "2"},
      {"plot", "--histogram", image, out, "--prep"},
      {"plot", dir.File("missing.bmp"), out},
  };
  for (const auto& args : misuses) {
    const ProgramResult result = RunKepCli(args);
    EXPECT_EQ(result.exitStatus, 2) << args.back();
    EXPECT_NE(result.err, "") << args.back();
  }
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_FALSE(std::filesystem::exists(dir.File("plot.jpg")));
}

}  // namespace
}  // namespace kep::test
