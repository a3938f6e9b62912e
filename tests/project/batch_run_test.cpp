// The batch run's own bookkeeping; the report and the messages of a run over
// files of every kind, on one or more threads, are checked through kep-cli batch.

#include "project/batch_run.h"

#include <gtest/gtest.h>

#include "support/shape_images.h"
#include "support/temp_dir.h"

namespace kep {
namespace {

std::string ReadText(const std::string& path) {
  const test::Bytes bytes = test::ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

const char* const kHeader =
    "\r\n\r\nImage File Name            \t Fractal Dimension (-1 means the image is useless)\r\n";

TEST(BatchRunTest, ABadParticleValueSkipsEveryFileWithTheMessage) {
  test::TempDir dir;
  const std::vector<std::string> files = {
      dir.Write("disc.bmp", test::ShapeBitmap(96, 96, test::Disc(48, 48, 30), 200, 20)),
      dir.Write("disc.tif", test::ShapeTiff(96, 96, test::Disc(48, 48, 20), 180, 30))};
  MeasureSettings settings;
  settings.particle = 7;
  ReportFile report;
  ASSERT_TRUE(report.Open(dir.File("report.txt")));
  BatchResults results;
  BatchSummary summary;
  std::vector<std::string> messages;
  EXPECT_TRUE(RunBatch(files, settings, 2, report, results, summary,
                       [&](std::size_t index, const std::string&, const MeasureResult& m) {
                         messages.push_back(std::to_string(index) + ": " +
                                            m.failure.value().message);
                       }));
  EXPECT_EQ(results.Count(), 0);
  EXPECT_EQ(summary.skipped, 2u);
  EXPECT_EQ(messages,
            (std::vector<std::string>{"0: Please input 0 or 255 for particle brightness!",
                                      "1: Please input 0 or 255 for particle brightness!"}));
  EXPECT_EQ(ReadText(dir.File("report.txt")), kHeader);
}

TEST(BatchRunTest, AnEmptyListWritesTheHeaderAndClearsEarlierResults) {
  test::TempDir dir;
  ReportFile report;
  ASSERT_TRUE(report.Open(dir.File("report.txt")));
  BatchResults results;
  results.Append(1.0, 1.5, PointSeries{});
  BatchSummary summary;
  ASSERT_TRUE(RunBatch({}, MeasureSettings(), 2, report, results, summary, nullptr));
  EXPECT_EQ(results.Count(), 0);
  EXPECT_EQ(ReadText(dir.File("report.txt")), kHeader);
}

}  // namespace
}  // namespace kep
