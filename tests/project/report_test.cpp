#include <gtest/gtest.h>

#include <filesystem>

#include "project/report_file.h"
#include "project/report_format.h"
#include "support/temp_dir.h"

namespace kep {
namespace {

std::string ReadText(const std::string& path) {
  const test::Bytes bytes = test::ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

TEST(ReportFormatTest, HeaderAndLinesAreFixedTexts) {
  EXPECT_EQ(
      ReportHeader(),
      "\n\nImage File Name            \t Fractal Dimension (-1 means the image is useless)\n");
  EXPECT_EQ(ReportLine("/data/a b.bmp", 1.2345678), "/data/a b.bmp\t1.23457\n");
  EXPECT_EQ(ReportLine("x.tif", -1.0), "x.tif\t-1.00000\n");
  EXPECT_EQ(ReportLine("x.tif", 12.5), "x.tif\t12.50000\n");
}

TEST(ReportFileTest, WritesCrLfAndReplacesTheOldReportOnlyWhenComplete) {
  test::TempDir dir;
  const std::string path = dir.Write("report.txt", {'o', 'l', 'd'});
  {
    ReportFile report;
    ASSERT_TRUE(report.Open(path));
    ASSERT_TRUE(report.Write("\n\nline\n"));
    EXPECT_EQ(ReadText(path), "old");  // not yet committed
  }
  EXPECT_EQ(ReadText(path), "old");  // abandoned: the old report stays
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);

  ReportFile report;
  ASSERT_TRUE(report.Open(path));
  ASSERT_TRUE(report.Write("\n\nline\n"));
  ASSERT_TRUE(report.Commit());
  EXPECT_EQ(ReadText(path), "\r\n\r\nline\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

}  // namespace
}  // namespace kep
