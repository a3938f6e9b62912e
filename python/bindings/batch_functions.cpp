// kep.batch and the pieces of a batch spread over other processes or machines
// (kep.dask): the measurement of one file, and the report written from the
// gathered results. Every path runs the core's batch code, so every front end
// writes the same report.

#include <pybind11/stl.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "argument_errors.h"
#include "bindings.h"
#include "interruptible_work.h"
#include "project/batch_run.h"
#include "result_classes.h"
#include "scalar_arguments.h"
#include "worker_memory.h"
#include "workspace_pool.h"

namespace kep::python {

namespace {

std::vector<std::string> PathsArgument(py::handle files) {
  const bool onePath = py::isinstance<py::str>(files) || py::isinstance<py::bytes>(files) ||
                       py::hasattr(files, "__fspath__");
  if (onePath || !py::isinstance<py::iterable>(files)) {
    RefuseType("files", "an iterable of paths", files);
  }
  std::vector<std::string> paths;
  for (py::handle file : files) {
    paths.push_back(PathArgument("files[" + std::to_string(paths.size()) + "]", file));
  }
  return paths;
}

unsigned JobsArgument(py::handle jobs) {
  if (jobs.is_none()) return DefaultBatchThreads();
  return static_cast<unsigned>(IntegerArgument("jobs", jobs, 1, kMaxBatchThreads));
}

py::object ProgressArgument(py::handle progress) {
  if (!progress.is_none() && !PyCallable_Check(progress.ptr())) {
    RefuseType("progress", "None or a callable taking (done, total)", progress);
  }
  return py::reinterpret_borrow<py::object>(progress);
}

void OpenReport(ReportFile& report, const std::string& path) {
  if (!report.Open(path)) RaiseFileError(path, report.ErrorNumber(), report.Error());
}

// A batch whose files are measured elsewhere: the checked files and settings, and
// the report, opened at once so that one that cannot be written is found before
// any file is measured.
class BatchJob {
 public:
  BatchJob(py::handle files, py::handle report, const MeasureSettings& settings)
      : m_files(PathsArgument(files)),
        m_reportPath(PathArgument("report", report)),
        m_settings(settings) {
    OpenReport(m_report.emplace(), m_reportPath);
  }

  py::list Files() const {
    py::list files;
    for (const std::string& path : m_files) files.append(PathText(path));
    return files;
  }

  const MeasureSettings& Settings() const { return m_settings; }

  // Writes the report from the results of the files, in the files' order.
  void Record(const std::vector<FileResult>& results) {
    const bool theirs = std::equal(
        results.begin(), results.end(), m_files.begin(), m_files.end(),
        [](const FileResult& result, const std::string& file) { return result.path == file; });
    if (!theirs) throw py::value_error("the results are not those of this batch's files, in order");
    if (!m_report) throw py::value_error("the batch's report was discarded");
    BatchResults recorded;
    BatchSummary summary;
    const auto source = [&](const FileObserver& record) {
      for (std::size_t i = 0; i < results.size(); ++i) record(i, m_files[i], results[i].result);
    };
    if (!RecordBatch(source, *m_report, recorded, summary, nullptr)) {
      RaiseFileError(m_reportPath, m_report->ErrorNumber(), m_report->Error());
    }
  }

  // Removes the report's temporary file: the batch will not be recorded.
  void Discard() { m_report.reset(); }

 private:
  std::vector<std::string> m_files;
  std::string m_reportPath;
  MeasureSettings m_settings;
  std::optional<ReportFile> m_report;
};

FileResult MeasureOneFile(py::handle path, const MeasureSettings& settings) {
  FileResult file{PathArgument("path", path), settings, {}};
  py::gil_scoped_release release;
  // Off the main thread, where Dask runs its tasks, no signal is to be watched for.
  KeepLargeBuffersInHeap();
  const WorkspaceLease workspace;
  file.result = MeasureFile(workspace->measure, file.path, settings);
  return file;
}

py::list Batch(py::handle files, py::handle report, const MeasureSettings& settings,
               py::handle jobs, py::handle progressArgument) {
  const std::vector<std::string> paths = PathsArgument(files);
  const std::string reportPath = PathArgument("report", report);
  const unsigned threads = JobsArgument(jobs);
  const py::object progress = ProgressArgument(progressArgument);
  ReportFile reportFile;
  OpenReport(reportFile, reportPath);

  std::vector<FileResult> results;
  std::atomic<std::size_t> done{0};
  std::size_t reported = 0;
  bool complete = false;
  RunInterruptibly(
      [&](const std::atomic<bool>* stop) {
        BatchResults recorded;
        BatchSummary summary;
        complete = RunBatch(
            paths, settings, threads, reportFile, recorded, summary,
            [&](std::size_t, const std::string& path, const MeasureResult& r) {
              results.push_back({path, settings, r});
              ++done;
            },
            {.stop = stop});
      },
      [&] {
        if (progress.is_none() || done == reported) return;
        reported = done;
        progress(reported, paths.size());
      });
  if (!complete) RaiseFileError(reportPath, reportFile.ErrorNumber(), reportFile.Error());
  py::list list;
  for (FileResult& result : results) list.append(py::cast(std::move(result)));
  return list;
}

}  // namespace

void AddBatchFunctions(py::module_& module) {
  py::class_<BatchJob>(module, "BatchJob",
                       "A batch whose files are measured elsewhere; record() writes its report.")
      .def(py::init<py::handle, py::handle, const MeasureSettings&>(), py::arg("files"),
           py::arg("report"), py::arg("settings"))
      .def_property_readonly("files", &BatchJob::Files)
      .def_property_readonly("settings", &BatchJob::Settings)
      .def("record", &BatchJob::Record, py::arg("results"))
      .def("discard", &BatchJob::Discard);
  module.def("measure_file", &MeasureOneFile, py::arg("path"), py::arg("settings"),
             "Reads, pre-processes and measures one file of a batch.");
  module.def("batch", &Batch, py::arg("files"), py::arg("report"), py::arg("settings"),
             py::arg("jobs"), py::arg("progress"),
             "Measures the files and writes the report (see kep.batch).");
}

}  // namespace kep::python
