#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "kep_cli.h"
#include "support/image_file_bytes.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

// A 3 x 2 picture with grey levels 10, 10, 20, 40, 40, 60 (mean 30) in a
// big-endian 24-bit TIFF file: each colour is its own grey.
Bytes SixPixelTiff() {
  Bytes rgb;
  for (std::uint8_t level : {10, 10, 20, 40, 40, 60}) rgb.insert(rgb.end(), {level, level, level});
  return BuildPictureTiff(false, 3, 2, 24, rgb);
}

std::string HistogramText() {
  std::string text = "histogram:";
  for (int level = 0; level < 256; ++level) {
    text += level == 10 || level == 40 ? " 2" : level == 20 || level == 60 ? " 1" : " 0";
  }
  return text + "\n";
}

TEST(InfoCommandTest, DescribesTheFileAndItsGreyLevels) {
  TempDir dir;
  const std::string path = dir.Write("six.tif", SixPixelTiff());
  const ProgramResult result = RunKepCli({"info", path});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.out, "file: " + path +
                            "\nformat: TIFF\nwidth: 3\nheight: 2\nbits per pixel: 24\n"
                            "reader: built-in\ncompression: 1 (None)\nsamples per pixel: 3\n"
                            "bits per sample: 24\nmin: 10\nmax: 60\nmean: 30.000\n" +
                            HistogramText());
}

TEST(InfoCommandTest, JsonHasExactlyTheDocumentedKeys) {
  TempDir dir;
  const std::string path = dir.Write("six.tif", SixPixelTiff());
  const ProgramResult result = RunKepCli({"info", path, "--json"});
  ASSERT_EQ(result.exitStatus, 0) << result.err;
  const nlohmann::json json = nlohmann::json::parse(result.out);
  std::vector<std::string> keys;
  for (const auto& item : json.items()) keys.push_back(item.key());
  std::sort(keys.begin(), keys.end());
  EXPECT_EQ(keys, (std::vector<std::string>{"bits_per_pixel", "bits_per_sample", "compression",
                                            "compression_name", "file", "format", "height",
                                            "histogram", "max", "mean", "min", "reader",
                                            "samples_per_pixel", "width"}));
  EXPECT_EQ(json["file"], path);
  EXPECT_EQ(json["format"], "TIFF");
  EXPECT_EQ(json["width"], 3);
  EXPECT_EQ(json["height"], 2);
  EXPECT_EQ(json["bits_per_pixel"], 24);
  EXPECT_EQ(json["reader"], "built-in");
  EXPECT_EQ(json["compression"], 1);
  EXPECT_EQ(json["compression_name"], "None");
  EXPECT_EQ(json["samples_per_pixel"], 3);
  EXPECT_EQ(json["bits_per_sample"], nlohmann::json::array({24}));
  EXPECT_EQ(json["min"], 10);
  EXPECT_EQ(json["max"], 60);
  EXPECT_EQ(json["mean"], 30.0);
  ASSERT_EQ(json["histogram"].size(), 256u);
  EXPECT_EQ(json["histogram"][10], 2);
  EXPECT_EQ(json["histogram"][60], 1);
}

TEST(InfoCommandTest, APathThatIsNotUtf8StillGivesValidJson) {
  TempDir dir;
  const std::string path = dir.Write("bad\xff" "name.bmp", BmpBuilder(1, 1).Palette(GreyPalette()).Rows({7, 0, 0, 0}).Build());
  const ProgramResult result = RunKepCli({"info", "--json", path});
  ASSERT_EQ(result.exitStatus, 0) << result.err;
  const nlohmann::json json = nlohmann::json::parse(result.out);
  EXPECT_EQ(json["file"], dir.File("bad\xEF\xBF\xBDname.bmp"));
  EXPECT_EQ(json["bits_per_pixel"], 8);
}

}  // namespace
}  // namespace kep::test
