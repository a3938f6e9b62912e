// A batch run whose report cannot be written: a one-line reason, status 2, and
// whatever report was there before left exactly as it was.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "kep_cli.h"
#include "support/image_file_bytes.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

const Bytes kOldReport = {'o', 'l', 'd', '\r', '\n'};

// A small picture the engine answers quickly (with -1: too few outline points).
std::string SmallImage(const TempDir& dir) {
  Bytes rows(16, 0);
  rows[5] = rows[6] = 255;
  return dir.Write("small.bmp", BmpBuilder(4, 4).Palette(GreyPalette()).Rows(rows).Build());
}

std::vector<std::string> Entries(const std::filesystem::path& directory) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(BatchFaultTest, AReportInAMissingDirectoryOrThatIsADirectoryIsRefusedBeforeMeasuring) {
  TempDir dir;
  const std::string image = SmallImage(dir);
  const std::string missing = dir.File("missing/report.txt");
  ProgramResult result = RunKepCli({"batch", "--report", missing, image});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, missing + ": cannot create the report: No such file or directory\n");

  const std::string folder = dir.File("reports");
  std::filesystem::create_directory(folder);
  result = RunKepCli({"batch", "--report", folder, image});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.err, folder + ": not a regular file\n");
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_TRUE(Entries(folder).empty());
}

// The file-size limit of a child shell makes the report's write fail part way with
// "File too large"; the program ignores the signal that would otherwise end it.
TEST(BatchFaultTest, AWriteThatFailsPartWayLeavesThePreviousReport) {
  TempDir dir;
  const std::string image = SmallImage(dir);
  const std::string report = dir.Write("report.txt", kOldReport);
  std::string command = "ulimit -f 2 && exec \"$0\" batch -j 2 --report \"$1\"";
  for (int i = 0; i < 200; ++i) command += " \"$2\"";
  const ProgramResult result =
      RunProgram("/bin/bash", {"-c", command, KEP_CLI_PATH, report, image});
  EXPECT_EQ(result.exitStatus, 2) << result.err;
  // The last line of the messages names the report.
  const std::string lastLine = result.err.substr(result.err.rfind('\n', result.err.size() - 2) + 1);
  EXPECT_TRUE(lastLine.starts_with(report + ": ")) << result.err;
  EXPECT_NE(result.err.find("File too large"), std::string::npos) << result.err;
  EXPECT_EQ(ReadFileBytes(report), kOldReport);
  EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"report.txt", "small.bmp"}));
}

}  // namespace
}  // namespace kep::test
