#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "kep_cli.h"
#include "support/shape_images.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

// A 40 x 40 picture with a filled 21 x 21 square at (10, 10)..(30, 30) in
// `particle` on `background`. Its outline is a ring of 80 pixels.
Bytes SquareBmp(std::uint8_t particle, std::uint8_t background) {
  const Shape square = [](int x, int y) { return x >= 10 && x <= 30 && y >= 10 && y <= 30; };
  return ShapeBitmap(40, 40, square, particle, background);
}

// Box sizes 2 to 5 on the ring, bounding box 10..30: the boxes tile 21 columns
// and rows, 4 ceil(21 / s) - 4 of them on the ring. The least-squares slope of
// their logarithms, worked out separately, is -0.9779486253526469.
constexpr double kBoxDimension = 0.9779486253526469;
const char* const kBoxText = "0.977\n2\t40\n3\t24\n4\t20\n5\t16\n";

TEST(MeasureCommandTest, PrintsTheDimensionAndThePointsForBothParticleValues) {
  TempDir dir;
  const std::string bright = dir.Write("bright.bmp", SquareBmp(255, 0));
  const std::string dark = dir.Write("dark.bmp", SquareBmp(0, 255));
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"measure", bright, "--method", "2", "--params", "2", "5", "1"},
           {"measure", bright, "--method", "box-counting", "--params", "2", "5", "1"},
           {"measure", dark, "--method", "2", "--params", "2", "5", "1", "--particle", "0"}}) {
    const ProgramResult result = RunKepCli(args);
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, kBoxText);
    EXPECT_EQ(result.err, "");
  }
}

TEST(MeasureCommandTest, JsonHoldsTheFitAndTheOutlines) {
  TempDir dir;
  const std::string input = dir.Write("square.bmp", SquareBmp(255, 0));
  const ProgramResult result =
      RunKepCli({"measure", input, "--method", "2", "--params", "2", "5", "1", "--json"});
  ASSERT_EQ(result.exitStatus, 0) << result.err;
  const nlohmann::ordered_json json = nlohmann::ordered_json::parse(result.out);
  std::vector<std::string> keys;
  for (const auto& item : json.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"file", "method", "method_name", "params", "particle",
                                            "fd", "reason", "slope", "intercept", "r_squared",
                                            "fit_points", "std_error", "ci95", "local_dimensions",
                                            "points", "outline_points", "particles"}));
  EXPECT_EQ(json["file"], input);
  EXPECT_EQ(json["method"], 2);
  EXPECT_EQ(json["method_name"], "Box-Counting");
  EXPECT_EQ(json["params"], nlohmann::ordered_json::array({2, 5, 1}));
  EXPECT_EQ(json["particle"], 255);
  EXPECT_TRUE(json["reason"].is_null());
  EXPECT_NEAR(json["slope"].get<double>(), -kBoxDimension, 1e-14);
  EXPECT_NEAR(json["fd"].get<double>(), kBoxDimension, 1e-14);
  EXPECT_GT(json["r_squared"].get<double>(), 0.0);
  EXPECT_LT(json["r_squared"].get<double>(), 1.0);
  EXPECT_EQ(json["points"], nlohmann::ordered_json::parse("[[2,40],[3,24],[4,20],[5,16]]"));
  EXPECT_EQ(json["fit_points"], 4);
  const double low = json["ci95"][0].get<double>();
  const double high = json["ci95"][1].get<double>();
  EXPECT_NEAR((low + high) / 2, kBoxDimension, 1e-12);
  // t(0.975, 2 degrees of freedom) = 4.302652729749464 standard errors each way.
  EXPECT_NEAR((high - low) / 2, 4.302652729749464 * json["std_error"].get<double>(), 1e-12);
  // Local dimensions: -ln(24 / 40) / ln(3 / 2) between the first two points, and so on.
  EXPECT_NEAR(json["local_dimensions"][0].get<double>(), -std::log(24.0 / 40) / std::log(3.0 / 2),
              1e-12);
  EXPECT_EQ(json["local_dimensions"].size(), 3u);
  EXPECT_EQ(json["outline_points"], 80);
  EXPECT_EQ(json["particles"], 1);

  // A fit range leaves the other points in the series but out of the fit.
  const nlohmann::json ranged =
      nlohmann::json::parse(RunKepCli({"measure", input, "--method", "2", "--params", "2", "6", "1",
                                       "--json", "--fit-range", "2", "5"})
                                .out);
  EXPECT_EQ(ranged["points"].size(), 5u);
  EXPECT_EQ(ranged["fit_points"], 4);
  EXPECT_EQ(ranged["fd"].get<double>(), json["fd"].get<double>());
}

TEST(MeasureCommandTest, NoDimensionIsSaidAndExitsWithOne) {
  TempDir dir;
  const std::string input = dir.Write("empty.bmp", SquareBmp(0, 0));
  ProgramResult result = RunKepCli({"measure", input});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.out, "Sorry! I can't Calculate Fractal Dimension!\n");
  EXPECT_EQ(result.err,
            "kep-cli: " + input + ": no dimension: no particle of grey value 255 in the image\n");

  // A parameter out of range refuses the method after the outlines were found.
  const std::string square = dir.Write("square.bmp", SquareBmp(255, 0));
  result = RunKepCli({"measure", square, "--params", "1", "20", "0", "--json"});
  EXPECT_EQ(result.exitStatus, 1);
  const nlohmann::json json = nlohmann::json::parse(result.out);
  EXPECT_EQ(json["fd"].get<double>(), -1.0);
  EXPECT_EQ(json["reason"]["code"], "parameter-out-of-range");
  EXPECT_EQ(json["reason"]["text"], "Step Size is 0, outside 1 to 10000");
  EXPECT_TRUE(json["slope"].is_null());
  EXPECT_TRUE(json["intercept"].is_null());
  EXPECT_TRUE(json["r_squared"].is_null());
  EXPECT_EQ(json["points"], nlohmann::json::array());
  EXPECT_EQ(json["outline_points"], 80);
}

TEST(MeasureCommandTest, PrepMeasuresTheCleanedImage) {
  TempDir dir;
  const std::string grey = dir.Write("grey.bmp", SquareBmp(200, 30));
  const std::string binary = dir.Write("binary.bmp", SquareBmp(255, 0));
  const ProgramResult asLoaded = RunKepCli({"measure", grey});
  EXPECT_EQ(asLoaded.exitStatus, 1);  // no pixel of 255
  const ProgramResult prepared = RunKepCli(
      {"measure", grey, "--prep", "--percent", "0", "--min-particle", "1", "--min-hole", "1"});
  EXPECT_EQ(prepared.exitStatus, 0) << prepared.err;
  EXPECT_EQ(prepared.out, RunKepCli({"measure", binary}).out);
}

TEST(MeasureCommandTest, UsageErrorsExitWithTwoAndWriteNothing) {
  TempDir dir;
  const std::string input = dir.Write("square.bmp", SquareBmp(255, 0));
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"measure", input, "--method", "11"},
           {"measure", input, "--method", "boxes"},
           {"measure", input, "--params", "1", "2"},
           {"measure", input, "--params", "1", "2147483648", "1"},
           {"measure", input, "--params", "1", "-2147483649", "1"},
           {"measure", input, "--params", "1", "ten", "1"},
           {"measure", input, "--percent", "5"},
           {"measure", input, "--fit-range", "5", "2"},
           {"measure", input, "--fit-range", "nan", "2"},
           {"measure", input, "--grid-offsets", "17"},
           {"batch", input, "--report", ""},
           {"measure", dir.File("missing.bmp")},
           {"measure", dir.File("square.png")}}) {
    const ProgramResult result = RunKepCli(args);
    EXPECT_EQ(result.exitStatus, 2) << testing::PrintToString(args);
    EXPECT_EQ(result.out, "") << testing::PrintToString(args);
    EXPECT_NE(result.err, "") << testing::PrintToString(args);
  }
  const ProgramResult particle = RunKepCli({"measure", input, "--particle", "128"});
  EXPECT_EQ(particle.exitStatus, 2);
  EXPECT_NE(particle.err.find("Please input 0 or 255 for particle brightness!"), std::string::npos);
}

// Both kinds of JSON output, the measurement's and the file description's.
TEST(MeasureCommandTest, JsonReplacesPathBytesThatAreNotUtf8) {
  TempDir dir;
  const std::string input = dir.Write("bad\xff.bmp", SquareBmp(255, 0));
  for (const char* command : {"measure", "info"}) {
    const ProgramResult result = RunKepCli({command, input, "--json"});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(nlohmann::json::parse(result.out)["file"], dir.File("bad\xef\xbf\xbd.bmp"))
        << command;
  }
}

}  // namespace
}  // namespace kep::test
