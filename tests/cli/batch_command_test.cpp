// kep-cli batch: the report byte for byte, the same whatever the number of
// threads, the messages of skipped files, the JSON and the exit statuses.

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "kep_cli.h"
#include "support/shape_images.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

class BatchCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const Bytes disc = ShapeBitmap(96, 96, Disc(48, 48, 30), 200, 20);
    m_first = m_dir.Write("first.bmp", disc);
    m_second = m_dir.Write("second.Bmp", disc);
    m_third = m_dir.Write("third.tif", ShapeTiff(96, 96, Disc(48, 48, 20), 180, 30));
    m_broken = m_dir.Write("broken.bmp", {'B', 'M', 0});
    m_blank = m_dir.Write("blank.bmp", ShapeBitmap(64, 64, Disc(32, 32, 20), 20, 20));  // all 20
    std::filesystem::create_directory(m_dir.Path() / "x.tif");
    m_noExtension = m_dir.Write("x.tif/img", disc);
  }

  std::vector<std::string> Args(const std::string& report, const std::string& jobs) const {
    return {"batch", "--report", report,  "--method", "box-counting", "-j",         jobs,
            m_first, m_second,   m_third, m_broken,   m_blank,        m_noExtension};
  }

  TempDir m_dir;
  std::string m_first, m_second, m_third, m_broken, m_blank, m_noExtension;
};

TEST_F(BatchCommandTest, ReportIsByteForByteTheSameWithOneAndTwoThreads) {
  const ProgramResult one = RunKepCli(Args(m_dir.File("one.txt"), "1"));
  const ProgramResult two = RunKepCli(Args(m_dir.File("two.txt"), "2"));
  EXPECT_EQ(one.exitStatus, 3);  // complete, but files were skipped
  EXPECT_EQ(two.exitStatus, 3);
  EXPECT_EQ(one.err, two.err);

  const std::string report = ReadText(m_dir.File("one.txt"));
  EXPECT_EQ(report, ReadText(m_dir.File("two.txt")));
  const std::string header =
      "\r\n\r\nImage File Name            \t Fractal Dimension (-1 means the image is useless)\r\n";
  ASSERT_EQ(report.rfind(header, 0), 0u);
  const std::string lines = report.substr(header.size());
  const std::string firstLine = m_first + "\t1.";
  const std::string thirdLine = m_third + "\t1.";
  EXPECT_EQ(lines.rfind(firstLine, 0), 0u) << lines;
  EXPECT_NE(lines.find("\r\n" + thirdLine), std::string::npos) << lines;
  EXPECT_TRUE(lines.ends_with("\r\n" + m_blank + "\t-1.00000\r\n")) << lines;
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 3);

  EXPECT_EQ(one.err, m_second + ": Please Select Bitmap or TIFF\n" + m_broken +
                         ": the bitmap headers are cut short\nkep-cli: " + m_blank +
                         ": no dimension: no particle of grey value 255 in the image\n" +
                         m_noExtension +
                         ": Please Select Bitmap or TIFF\n"
                         "batch: 2 measured, 1 failed with -1, 3 skipped\n");
}

TEST_F(BatchCommandTest, JsonListsEveryFileInOrder) {
  const ProgramResult result = RunKepCli({"batch", "--report", m_dir.File("r.txt"), "--json",
                                          "--method", "2", m_first, m_second, m_blank});
  ASSERT_EQ(result.exitStatus, 3);
  const nlohmann::json json = nlohmann::json::parse(result.out);
  ASSERT_EQ(json.size(), 3u);
  EXPECT_EQ(json[0]["file"], m_first);
  EXPECT_EQ(json[0]["image_number"], 1);
  EXPECT_EQ(json[0]["points"].size(), 23u);
  EXPECT_EQ(json[0]["points"][0][0], 8);
  EXPECT_EQ(json[1]["skipped"], "Please Select Bitmap or TIFF");
  EXPECT_FALSE(json[1].contains("fd"));
  EXPECT_EQ(json[2]["image_number"], 3);
  EXPECT_EQ(json[2]["fd"], -1.0);
}

TEST_F(BatchCommandTest, EveryFileMeasuredExitsZeroAndWritesThePlot) {
  const ProgramResult result = RunKepCli(
      {"batch", "--report", m_dir.File("r.txt"), "--plot", m_dir.File("fd.png"), m_first, m_blank});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  const Bytes png = ReadFileBytes(m_dir.File("fd.png"));
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png[1], 'P');
}

// The method and pre-processing options are those of measure and prep, with the
// same checks; one of each stands for them here.
TEST_F(BatchCommandTest, OptionValuesAreCheckedBeforeAnythingIsWritten) {
  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
           {"--particle", "7"}, {"--percent", "101"}, {"-j", "0"}, {"--method", "11"}}) {
    std::vector<std::string> args = {"batch", "--report", m_dir.File("r.txt")};
    args.insert(args.end(), bad.begin(), bad.end());
    args.push_back(m_first);
    EXPECT_EQ(RunKepCli(args).exitStatus, 2) << bad[0];
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("r.txt"))) << bad[0];
  }
}

}  // namespace
}  // namespace kep::test
