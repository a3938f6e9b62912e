#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "fractal/measure_result.h"
#include "project/batch_results.h"
#include "project/measurement.h"
#include "project/report_file.h"

namespace kep {

// The threads a batch run takes unless told otherwise: one per core.
unsigned DefaultBatchThreads();
// The most threads a front end lets a batch run take.
inline constexpr unsigned kMaxBatchThreads = 256;

struct BatchSummary {
  std::size_t measured = 0;  // dimension found
  std::size_t failed = 0;    // measured, but the engine answered -1.0
  std::size_t skipped = 0;   // no line in the report
  bool cancelled = false;    // the run was asked to stop: no report is written
};

// Whether a file gets no line in the report: it could not be read, its settings
// were refused, it did not fit in memory, or the run was stopped before it. Every other file gets
// its dimension, or -1.0 when the engine found none.
bool SkipsReport(const MeasureResult& result);

// Called on the calling thread once per file, in file-list order.
using FileObserver =
    std::function<void(std::size_t index, const std::string& path, const MeasureResult&)>;

// Measures the files on `threads` threads (at least one) and hands every file's
// measurement to `onFile` in file-list order; the results do not depend on the
// number of threads.
void MeasureFiles(const std::vector<std::string>& files, const MeasureSettings& settings,
                  unsigned threads, const FileObserver& onFile, const MeasureOptions& options = {});

// Hands every file's measurement to the observer it is given, in file-list order.
using MeasurementSource = std::function<void(const FileObserver&)>;

// The bookkeeping of a batch run over measurements from any source (threads of
// this process, or other processes and machines): writes the header, clears the
// results, then per measured file appends its entry (image number = position in
// the list + 1) and writes its report line, and commits the report. Returns false
// when the report could not be written, or was not because the run was stopped
// (summary.cancelled); `results` and `summary` then hold what was recorded.
bool RecordBatch(const MeasurementSource& measure, ReportFile& report, BatchResults& results,
                 BatchSummary& summary, const FileObserver& onFile);

// The batch run of this process: RecordBatch over MeasureFiles.
bool RunBatch(const std::vector<std::string>& files, const MeasureSettings& settings,
              unsigned threads, ReportFile& report, BatchResults& results, BatchSummary& summary,
              const FileObserver& onFile, const MeasureOptions& options = {});

}  // namespace kep
