// Ctrl-C (SIGINT) stops a measurement, a particle table and a batch run soon,
// with status 130, and leaves no file behind.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "kep_cli.h"
#include "shapes/fractal_shapes.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

using std::chrono::milliseconds;

TEST(InterruptionTest, CtrlCStopsMeasuringSoonAndLeavesNoFile) {
  TempDir dir;
  // Every pair of the island's outline pixels within radii up to 10000: seconds of work.
  const std::string island = dir.File("island.bmp");
  ASSERT_TRUE(shapes::WriteGreyBmp(shapes::QuadraticKochIsland(1024), island));
  const std::vector<std::string> slow = {"--method", "mass-radius-long", "--params", "1", "10000",
                                         "1"};
  const std::vector<std::vector<std::string>> commands = {
      {"measure", island},
      {"particles", island, "--csv", dir.File("table.csv")},
      {"batch", island, island, "--report", dir.File("report.txt"), "--particles",
       dir.File("particles.csv"), "--lower", "128", "-j", "2"},
  };
  for (std::vector<std::string> args : commands) {
    args.insert(args.end(), slow.begin(), slow.end());
    const ProgramResult result = RunProgram(KEP_CLI_PATH, args, milliseconds(300));
    EXPECT_EQ(result.exitStatus, 130) << args[0] << ": " << result.err;
    // The stop itself takes a few milliseconds; the bound leaves room for a busy machine.
    EXPECT_LT(result.secondsAfterInterrupt, 1.0) << args[0];
  }
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    left.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(left, std::vector<std::string>{"island.bmp"});
}

}  // namespace
}  // namespace kep::test
