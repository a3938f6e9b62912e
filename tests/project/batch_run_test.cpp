#include "project/batch_run.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "project/report_format.h"
#include "support/disc_images.h"

namespace kep {
namespace {

std::string ReadText(const std::string& path) {
  const test::Bytes bytes = test::ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

struct RunOutput {
  std::string report;
  BatchResults results;
  BatchSummary summary;
  std::vector<std::string> messages;  // "index: message"
};

RunOutput RunAndRead(const std::vector<std::string>& files, const MeasureSettings& settings,
                     unsigned threads, const std::string& reportPath) {
  RunOutput out;
  ReportFile report;
  EXPECT_TRUE(report.Open(reportPath));
  EXPECT_TRUE(RunBatch(files, settings, threads, report, out.results, out.summary,
                       [&](std::size_t index, const std::string&, const MeasureResult& m) {
                         if (m.failure && !m.failure->message.empty())
                           out.messages.push_back(std::to_string(index) + ": " +
                                                  m.failure->message);
                       }));
  out.report = ReadText(reportPath);
  return out;
}

class BatchRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_files = {
        m_dir.Write("first.bmp", test::DiscBitmap(96, 30, 200, 20)),
        m_dir.Write("second.Bmp", test::DiscBitmap(96, 30, 200, 20)),
        m_dir.Write("third.tif", test::DiscTiff(96, 20, 180, 30)),
        m_dir.Write("broken.bmp", {'B', 'M', 1, 2}),
        m_dir.Write("blank.bmp", test::DiscBitmap(96, 0, 20, 20)),
    };
    std::filesystem::create_directory(m_dir.Path() / "x.tif");
    m_files.push_back(m_dir.Write("x.tif/img", test::DiscBitmap(8, 2, 200, 20)));
    m_settings.method = 2;
    m_settings.params = {8, 30, 1};
    m_settings.preprocess = PreprocessSettings();
  }

  test::TempDir m_dir;
  std::vector<std::string> m_files;
  MeasureSettings m_settings;
};

TEST_F(BatchRunTest, ReportHoldsOneLinePerMeasuredFileInListOrder) {
  const RunOutput run = RunAndRead(m_files, m_settings, 1, m_dir.File("report.txt"));

  ASSERT_EQ(run.results.Count(), 3);
  EXPECT_EQ(run.results.m_imageNumbers, (std::vector<double>{1.0, 3.0, 5.0}));
  EXPECT_GT(run.results.m_dimensions[0], 0.5);
  EXPECT_GT(run.results.m_dimensions[1], 0.5);
  EXPECT_EQ(run.results.m_dimensions[2], -1.0);  // nothing to measure
  EXPECT_EQ(run.results.m_series[0].Count(), 23);
  EXPECT_EQ(run.summary.measured, 2u);
  EXPECT_EQ(run.summary.failed, 1u);
  EXPECT_EQ(run.summary.skipped, 3u);
  EXPECT_EQ(run.messages, (std::vector<std::string>{"1: Please Select Bitmap or TIFF",
                                                    "5: Please Select Bitmap or TIFF"}));

  std::string expected = ReportHeader() + ReportLine(m_files[0], run.results.m_dimensions[0]) +
                         ReportLine(m_files[2], run.results.m_dimensions[1]) +
                         ReportLine(m_files[4], -1.0);
  std::string crlf;
  for (char c : expected) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(run.report, crlf);
}

TEST_F(BatchRunTest, ThreadsGiveTheSameReportAndResults) {
  std::vector<std::string> many;
  for (int i = 0; i < 4; ++i) many.insert(many.end(), m_files.begin(), m_files.end());
  const RunOutput one = RunAndRead(many, m_settings, 1, m_dir.File("one.txt"));
  const RunOutput two = RunAndRead(many, m_settings, 2, m_dir.File("two.txt"));
  const RunOutput three = RunAndRead(many, m_settings, 3, m_dir.File("three.txt"));
  EXPECT_EQ(one.report, two.report);
  EXPECT_EQ(one.report, three.report);
  EXPECT_EQ(one.messages, two.messages);
  EXPECT_EQ(one.results.m_dimensions, three.results.m_dimensions);
  EXPECT_EQ(one.results.m_imageNumbers, three.results.m_imageNumbers);
  ASSERT_EQ(one.results.Count(), two.results.Count());
  for (std::int32_t i = 0; i < one.results.Count(); ++i) {
    EXPECT_TRUE(std::equal(one.results.m_series[i].begin(), one.results.m_series[i].end(),
                           two.results.m_series[i].begin(), two.results.m_series[i].end()));
  }
}

TEST_F(BatchRunTest, BadParticleValueSkipsEveryFileWithTheMessage) {
  m_settings.particle = 7;
  const RunOutput run =
      RunAndRead({m_files[0], m_files[2]}, m_settings, 2, m_dir.File("report.txt"));
  EXPECT_EQ(run.results.Count(), 0);
  EXPECT_EQ(run.messages,
            (std::vector<std::string>{"0: Please input 0 or 255 for particle brightness!",
                                      "1: Please input 0 or 255 for particle brightness!"}));
}

TEST_F(BatchRunTest, AnEmptyListWritesTheHeaderAndClearsEarlierResults) {
  ReportFile report;
  ASSERT_TRUE(report.Open(m_dir.File("report.txt")));
  BatchResults results;
  results.Append(1.0, 1.5, PointSeries{});
  BatchSummary summary;
  ASSERT_TRUE(RunBatch({}, m_settings, 2, report, results, summary, nullptr));
  EXPECT_EQ(results.Count(), 0);
  EXPECT_EQ(ReadText(m_dir.File("report.txt")),
            "\r\n\r\nImage File Name            \t Fractal Dimension (-1 means the image is "
            "useless)\r\n");
}

}  // namespace
}  // namespace kep
