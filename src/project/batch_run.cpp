#include "project/batch_run.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "project/report_format.h"

namespace kep {

namespace {

// Finished measurements waiting to be handed on in file-list order.
class OrderedResults {
 public:
  explicit OrderedResults(std::size_t count) : m_slots(count) {}

  void Put(std::size_t index, MeasureResult measurement) {
    {
      std::lock_guard lock(m_mutex);
      m_slots[index] = std::move(measurement);
    }
    m_ready.notify_all();
  }

  MeasureResult Take(std::size_t index) {
    std::unique_lock lock(m_mutex);
    m_ready.wait(lock, [&] { return m_slots[index].has_value(); });
    MeasureResult measurement = std::move(*m_slots[index]);
    m_slots[index].reset();
    return measurement;
  }

 private:
  std::mutex m_mutex;
  std::condition_variable m_ready;
  std::vector<std::optional<MeasureResult>> m_slots;
};

}  // namespace

bool SkipsReport(const MeasureResult& result) {
  if (!result.failure) return false;
  switch (result.failure->code) {
    case FailureCode::kUnreadable:
    case FailureCode::kBadSettings:
    case FailureCode::kOutOfMemory:
    case FailureCode::kCancelled:
      return true;
    default:
      return false;
  }
}

unsigned DefaultBatchThreads() { return std::max(1u, std::thread::hardware_concurrency()); }

void MeasureFiles(const std::vector<std::string>& files, const MeasureSettings& settings,
                  unsigned threads, const FileObserver& onFile, const MeasureOptions& options) {
  const std::size_t workerCount = std::min<std::size_t>(std::max(threads, 1u), files.size());
  if (workerCount <= 1) {
    MeasureWorkspace workspace;
    for (std::size_t i = 0; i < files.size(); ++i) {
      onFile(i, files[i], MeasureFile(workspace, files[i], settings, options));
    }
    return;
  }

  OrderedResults results(files.size());
  std::atomic<std::size_t> next{0};
  std::vector<std::jthread> workers;
  for (std::size_t t = 0; t < workerCount; ++t) {
    workers.emplace_back([&] {
      MeasureWorkspace workspace;
      for (std::size_t i = next++; i < files.size(); i = next++) {
        results.Put(i, MeasureFile(workspace, files[i], settings, options));
      }
    });
  }
  for (std::size_t i = 0; i < files.size(); ++i) onFile(i, files[i], results.Take(i));
}

bool RecordBatch(const MeasurementSource& measure, ReportFile& report, BatchResults& results,
                 BatchSummary& summary, const FileObserver& onFile) {
  summary = BatchSummary{};
  if (!report.Write(ReportHeader())) return false;
  results.ClearResults();
  bool written = true;
  measure([&](std::size_t index, const std::string& path, const MeasureResult& result) {
    if (result.failure && result.failure->code == FailureCode::kCancelled) summary.cancelled = true;
    if (SkipsReport(result)) {
      ++summary.skipped;
    } else {
      ++(result.HasDimension() ? summary.measured : summary.failed);
      results.Append(static_cast<double>(index + 1), result.dimension, result.points);
      written = written && report.Write(ReportLine(path, result.dimension));
    }
    if (onFile) onFile(index, path, result);
  });
  return written && !summary.cancelled && report.Commit();
}

bool RunBatch(const std::vector<std::string>& files, const MeasureSettings& settings,
              unsigned threads, ReportFile& report, BatchResults& results, BatchSummary& summary,
              const FileObserver& onFile, const MeasureOptions& options) {
  return RecordBatch(
      [&](const FileObserver& record) { MeasureFiles(files, settings, threads, record, options); },
      report, results, summary, onFile);
}

}  // namespace kep
