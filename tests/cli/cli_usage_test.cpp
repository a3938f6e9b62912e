#include <gtest/gtest.h>

#include "kep_cli.h"
#include "support/image_file_bytes.h"
#include "support/temp_dir.h"
#include "version.h"

namespace kep::test {
namespace {

TEST(CliUsageTest, EveryUsageErrorExitsWithTwo) {
  TempDir dir;
  const std::string image =
      dir.Write("in.bmp", BmpBuilder(1, 1).Palette(GreyPalette()).Rows({7, 0, 0, 0}).Build());
  const std::vector<std::vector<std::string>> misuses = {
      {},
      {"no-such-command"},
      {"info"},
      {"info", image, "--no-such-option"},
      {"info", image, "extra"},
      {"convert", image},
      {"convert", image, dir.File("out.gif")},
  };
  for (const auto& args : misuses) {
    const ProgramResult result = RunKepCli(args);
    EXPECT_EQ(result.exitStatus, 2) << testing::PrintToString(args);
    EXPECT_NE(result.err, "") << testing::PrintToString(args);
  }
}

TEST(CliUsageTest, VersionAndHelpSucceed) {
  ProgramResult result = RunKepCli({"--version"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out, std::string("kep-cli ") + kVersion + "\n");
  result = RunKepCli({"--help"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_NE(result.out.find("convert"), std::string::npos);
}

}  // namespace
}  // namespace kep::test
