#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "kep_cli.h"
#include "support/image_file_bytes.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

TEST(InfoCommandTest, DescribesTheFileAndItsGreyLevelsAsTextOrJson) {
  // A 3 x 2 picture with grey levels 10, 10, 20, 40, 40, 60 (mean 30) in a
  // big-endian 24-bit TIFF file: each colour is its own grey.
  Bytes rgb;
  for (std::uint8_t level : {10, 10, 20, 40, 40, 60}) rgb.insert(rgb.end(), {level, level, level});
  TempDir dir;
  const std::string path = dir.Write("six.tif", BuildPictureTiff(false, 3, 2, 24, rgb));
  std::vector<int> histogram(256, 0);
  histogram[10] = histogram[40] = 2;
  histogram[20] = histogram[60] = 1;

  const ProgramResult text = RunKepCli({"info", path});
  EXPECT_EQ(text.exitStatus, 0) << text.err;
  std::string expectedText = "file: " + path +
                             "\nformat: TIFF\nwidth: 3\nheight: 2\nbits per pixel: 24\n"
                             "reader: built-in\ncompression: 1 (None)\nsamples per pixel: 3\n"
                             "bits per sample: 24\nmin: 10\nmax: 60\nmean: 30.000\nhistogram:";
  for (const int count : histogram) expectedText += " " + std::to_string(count);
  EXPECT_EQ(text.out, expectedText + "\n");

  const ProgramResult json = RunKepCli({"info", path, "--json"});
  ASSERT_EQ(json.exitStatus, 0) << json.err;
  nlohmann::json expected = nlohmann::json::parse(R"({"format": "TIFF", "width": 3, "height": 2,
      "bits_per_pixel": 24, "reader": "built-in", "compression": 1, "compression_name": "None",
      "samples_per_pixel": 3, "bits_per_sample": [24], "min": 10, "max": 60, "mean": 30.0})");
  expected["file"] = path;
  expected["histogram"] = histogram;
  EXPECT_EQ(nlohmann::json::parse(json.out), expected);
}

}  // namespace
}  // namespace kep::test
