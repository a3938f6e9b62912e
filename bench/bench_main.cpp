// kep_bench [--table=FILE] [benchmark options]: runs the benchmarks and, with
// --table, writes their results as a Markdown table: one row per subject and
// picture, the plain form's time next to the fast one's and their ratio.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "bench_registry.h"

namespace {

// The subject and picture of "fast/SUBJECT/PICTURE", "plain/SUBJECT/PICTURE" or
// "SUBJECT/PICTURE".
struct BenchmarkName {
  std::string subject;
  std::string picture;
};

BenchmarkName Split(const std::string& name) {
  BenchmarkName parts;
  std::string rest = name;
  for (const char* form : {"fast/", "plain/"}) {
    if (rest.rfind(form, 0) == 0) rest = rest.substr(std::strlen(form));
  }
  const std::size_t slash = rest.find('/');
  parts.subject = rest.substr(0, slash);
  parts.picture = slash == std::string::npos ? "" : rest.substr(slash + 1);
  return parts;
}

// The name a benchmark was registered under, without the settings that some
// versions of the library append ("/min_time:0.200", "/real_time").
std::string RegisteredName(const std::string& runName) {
  std::size_t end = runName.size();
  for (const char* setting : {"/min_time:", "/real_time"}) {
    end = std::min(end, runName.find(setting));
  }
  return runName.substr(0, end);
}

// The console output as usual, and every run's milliseconds kept for the table.
class TableReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
      const std::string name = RegisteredName(run.run_name.function_name);
      const double milliseconds = run.GetAdjustedRealTime();
      const auto [kept, first] = m_milliseconds.emplace(name, milliseconds);
      if (!first) kept->second = std::min(kept->second, milliseconds);
    }
    ConsoleReporter::ReportRuns(runs);
  }

  bool WriteTable(const std::string& path) const {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) return false;
    std::fprintf(file, "| Operation | Picture | Time (ms) | Plain form (ms) | Plain / fast |\n");
    std::fprintf(file, "|---|---|---:|---:|---:|\n");
    for (const auto& [subject, pictures] : Rows()) {
      for (const std::string& picture : pictures) {
        const BenchmarkName key{subject, picture};
        const double* fast = Find(key, "fast");
        if (fast == nullptr) fast = Find(key, "");
        const double* plain = Find(key, "plain");
        if (fast == nullptr) continue;
        std::fprintf(file, "| %s | %s | %.3f |", subject.c_str(), picture.c_str(), *fast);
        if (plain != nullptr) {
          std::fprintf(file, " %.1f | %.1f |\n", *plain, *plain / *fast);
        } else {
          std::fprintf(file, " | |\n");
        }
      }
    }
    const double* copy = Find({"copy", "snowflake-4096"}, "");
    if (copy != nullptr) {
      std::fprintf(file, "\nIn copies of the 4096-pixel snowflake (one copy: %.3f ms):", *copy);
      for (const char* subject : {"box-counting", "edm"}) {
        const double* time = Find({subject, "snowflake-4096"}, "fast");
        if (time != nullptr) std::fprintf(file, " %s %.1f;", subject, *time / *copy);
      }
      std::fprintf(file, "\n");
    }
    WriteComparisons(file);
    return std::fclose(file) == 0;
  }

 private:
  void WriteComparisons(std::FILE* file) const {
    if (kep::bench::Comparisons().empty()) return;
    std::fprintf(file, "\n| Operation | Time (ms) | Yardstick | Yardstick (ms) | Ratio | Target |\n");
    std::fprintf(file, "|---|---:|---|---:|---:|---:|\n");
    for (const kep::bench::Comparison& comparison : kep::bench::Comparisons()) {
      const auto time = m_milliseconds.find(comparison.name);
      const auto yardstick = m_milliseconds.find(comparison.yardstick);
      if (time == m_milliseconds.end() || yardstick == m_milliseconds.end()) continue;
      std::fprintf(file, "| %s | %.3f | %s | %.3f | %.2f | %.1f |\n", comparison.name.c_str(),
                   time->second, comparison.yardstick.c_str(), yardstick->second,
                   time->second / yardstick->second, comparison.target);
    }
  }

  // Subjects in the order they were registered, each with its pictures in that order.
  std::vector<std::pair<std::string, std::vector<std::string>>> Rows() const {
    std::vector<std::pair<std::string, std::vector<std::string>>> rows;
    for (const std::string& name : kep::bench::RegisteredNames()) {
      const BenchmarkName parts = Split(name);
      auto row = rows.begin();
      while (row != rows.end() && row->first != parts.subject) ++row;
      if (row == rows.end()) row = rows.insert(rows.end(), {parts.subject, {}});
      bool known = false;
      for (const std::string& picture : row->second) known = known || picture == parts.picture;
      if (!known) row->second.push_back(parts.picture);
    }
    return rows;
  }

  const double* Find(const BenchmarkName& key, const std::string& form) const {
    std::string name = form.empty() ? "" : form + "/";
    name += key.subject + (key.picture.empty() ? "" : "/" + key.picture);
    const auto found = m_milliseconds.find(name);
    return found == m_milliseconds.end() ? nullptr : &found->second;
  }

  std::map<std::string, double> m_milliseconds;
};

// Removes --table=FILE from the arguments and returns FILE ("" without it).
std::string TakeTablePath(int& argc, char** argv) {
  std::string path;
  int kept = 0;
  for (int i = 0; i < argc; ++i) {
    if (std::strncmp(argv[i], "--table=", 8) == 0) {
      path = argv[i] + 8;
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
  return path;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string tablePath = TakeTablePath(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  kep::bench::RegisterPreprocessBenchmarks();
  kep::bench::RegisterMethodBenchmarks();
  kep::bench::RegisterMeasureBenchmarks();
  kep::bench::RegisterImageFileBenchmarks();
  TableReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  if (!tablePath.empty() && !reporter.WriteTable(tablePath)) {
    std::fprintf(stderr, "kep_bench: cannot write %s\n", tablePath.c_str());
    return 1;
  }
  return 0;
}
