// kep.batch and the pieces of a batch spread over other processes or machines
// (kep.dask): the settings, the measurement of one file, and the report written
// from the gathered results. Every path runs the core's batch code, so every
// front end writes the same report.

#include <pybind11/stl.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "argument_errors.h"
#include "bindings.h"
#include "measure_arguments.h"
#include "project/batch_run.h"
#include "result_values.h"
#include "scalar_arguments.h"

namespace kep::python {

namespace {

// One file of a batch: the path as given and how it went.
struct FileResult {
  std::string path;
  MeasureResult result;
};

py::object Dimension(const FileResult& file) {
  return file.result.HasDimension() ? py::object(py::float_(file.result.dimension)) : py::none();
}

py::object Skipped(const FileResult& file) {
  if (!SkipsReport(file.result)) return py::none();
  return py::str(file.result.failure->text);
}

py::list Messages(const FileResult& file) {
  py::list messages;
  if (file.result.failure && !file.result.failure->message.empty()) {
    messages.append(py::str(file.result.failure->message));
  }
  return messages;
}

std::string Describe(const FileResult& file) {
  const py::object skipped = Skipped(file);
  return "FileResult(file=" + py::repr(PathText(file.path)).cast<std::string>() +
         (skipped.is_none() ? ", dimension=" + py::repr(Dimension(file)).cast<std::string>()
                            : ", skipped=" + py::repr(skipped).cast<std::string>()) +
         ")";
}

// The failure travels as its code's number (-1 without one), text and message.
py::tuple FileResultState(const FileResult& file) {
  const MeasureResult& r = file.result;
  const std::vector<std::uint8_t> series = r.points.Serialize();
  const int code = r.failure ? static_cast<int>(r.failure->code) : -1;
  return py::make_tuple(py::bytes(file.path), r.dimension,
                        py::bytes(reinterpret_cast<const char*>(series.data()), series.size()),
                        code, py::bytes(r.failure ? r.failure->text : std::string()),
                        py::bytes(r.failure ? r.failure->message : std::string()));
}

FileResult FileResultFromState(const py::tuple& state) {
  const auto refuse = [] { throw py::value_error("not the state of a kep.FileResult"); };
  if (state.size() != 6) refuse();
  FileResult file;
  file.path = state[0].cast<std::string>();
  MeasureResult& r = file.result;
  r.dimension = state[1].cast<double>();
  const std::string series = state[2].cast<std::string>();
  if (!r.points.Deserialize(reinterpret_cast<const std::uint8_t*>(series.data()), series.size())) {
    refuse();
  }
  const int code = state[3].cast<int>();
  if (code < -1 || code > static_cast<int>(FailureCode::kOutOfMemory)) refuse();
  if (code >= 0) {
    r.failure = Failure{static_cast<FailureCode>(code), state[4].cast<std::string>(),
                        state[5].cast<std::string>()};
  }
  return file;
}

py::tuple SettingsState(const MeasureSettings& settings) {
  const PreprocessSettings& prep = *settings.preprocess;
  py::dict values;
  values["percent"] = prep.brightPercent;
  values["lower"] = prep.lowerBrightness;
  values["higher"] = prep.higherBrightness;
  values["min_particle"] = prep.minParticleSize;
  values["min_hole"] = prep.minHoleSize;
  return py::make_tuple(settings.method, settings.params, settings.particle, values);
}

MeasureSettings SettingsFromState(const py::tuple& state) {
  if (state.size() != 4) throw py::value_error("not the state of a kep batch's settings");
  return BatchSettingsArgument(state[0], state[1], state[2], state[3].cast<py::dict>());
}

std::vector<std::string> PathsArgument(py::handle files) {
  const bool onePath = py::isinstance<py::str>(files) || py::isinstance<py::bytes>(files) ||
                       py::hasattr(files, "__fspath__");
  if (onePath || !py::isinstance<py::iterable>(files)) {
    RefuseArgument("files", "an iterable of paths", files);
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

void OpenReport(ReportFile& report, const std::string& path) {
  if (!report.Open(path)) RaiseOSError(path + ": " + report.Error());
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
    OpenReport(m_report, m_reportPath);
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
    BatchResults recorded;
    BatchSummary summary;
    const auto source = [&](const FileObserver& record) {
      for (std::size_t i = 0; i < results.size(); ++i) {
        record(i, m_files[i], results[i].result);
      }
    };
    if (!RecordBatch(source, m_report, recorded, summary, nullptr)) {
      RaiseOSError(m_reportPath + ": " + m_report.Error());
    }
  }

 private:
  std::vector<std::string> m_files;
  std::string m_reportPath;
  MeasureSettings m_settings;
  ReportFile m_report;
};

FileResult MeasureOneFile(py::handle path, const MeasureSettings& settings) {
  FileResult file{PathArgument("path", path), {}};
  py::gil_scoped_release release;
  MeasureWorkspace workspace;
  file.result = MeasureFile(workspace, file.path, settings);
  return file;
}

py::list Batch(py::handle files, py::handle report, py::handle method, py::handle params,
               py::handle particle, py::handle jobs, const py::kwargs& prep) {
  const std::vector<std::string> paths = PathsArgument(files);
  const std::string reportPath = PathArgument("report", report);
  const MeasureSettings settings = BatchSettingsArgument(method, params, particle, prep);
  const unsigned threads = JobsArgument(jobs);
  ReportFile reportFile;
  OpenReport(reportFile, reportPath);

  std::vector<FileResult> results;
  bool complete = false;
  {
    py::gil_scoped_release release;
    BatchResults recorded;
    BatchSummary summary;
    complete = RunBatch(paths, settings, threads, reportFile, recorded, summary,
                        [&](std::size_t, const std::string& path, const MeasureResult& r) {
                          results.push_back({path, r});
                        });
  }
  if (!complete) RaiseOSError(reportPath + ": " + reportFile.Error());
  py::list list;
  for (FileResult& result : results) list.append(py::cast(std::move(result)));
  return list;
}

}  // namespace

void AddBatchFunctions(py::module_& module) {
  py::class_<FileResult>(module, "FileResult",
                         "One file of a batch: file (the path as given), dimension (None when\n"
                         "the engine found none or the file was skipped, with the reason why),\n"
                         "points, skipped (the\n"
                         "reason a file got no report line, else None) and messages (the\n"
                         "system's messages for the file, as kep-cli batch prints them).")
      .def_property_readonly("file", [](const FileResult& r) { return PathText(r.path); })
      .def_property_readonly("dimension", &Dimension)
      .def_property_readonly("reason",
                             [](const FileResult& r) { return ReasonValue(r.result.failure); })
      .def_property_readonly("points",
                             [](const FileResult& r) { return ArrayFromPoints(r.result.points); })
      .def_property_readonly("skipped", &Skipped)
      .def_property_readonly("messages", &Messages)
      .def("__repr__", &Describe)
      .def(py::pickle(&FileResultState, &FileResultFromState));

  py::class_<MeasureSettings>(module, "MeasureSettings",
                              "The method, parameters and pre-processing values of a batch.")
      .def(py::pickle(&SettingsState, &SettingsFromState));

  py::class_<BatchJob>(module, "BatchJob",
                       "A batch whose files are measured elsewhere; record() writes its report.")
      .def(py::init<py::handle, py::handle, const MeasureSettings&>(), py::arg("files"),
           py::arg("report"), py::arg("settings"))
      .def_property_readonly("files", &BatchJob::Files)
      .def_property_readonly("settings", &BatchJob::Settings)
      .def("record", &BatchJob::Record, py::arg("results"));

  module.def(
      "batch_settings",
      [](py::handle method, py::handle params, py::handle particle, const py::kwargs& prep) {
        return BatchSettingsArgument(method, params, particle, prep);
      },
      py::arg("method") = 0, py::arg("params") = py::none(), py::arg("particle") = 255,
      "The settings of a batch, from the arguments of kep.batch other than jobs.");
  module.def("measure_file", &MeasureOneFile, py::arg("path"), py::arg("settings"),
             "Reads, pre-processes and measures one file of a batch.");

  const std::string batchDoc =
      "Measures every file with one method on `jobs` threads (None: every core) and writes\n"
      "the tab-separated report exactly as kep-cli batch does. Returns a FileResult per\n"
      "file, in list order. method, params and particle as for measure; the keyword\n"
      "pre-processing values: " +
      PreprocessValuesText() +
      ".\n"
      "A report that cannot be written raises OSError; bad arguments raise ValueError.";
  module.def("batch", &Batch, py::arg("files"), py::arg("report"), py::arg("method") = 0,
             py::arg("params") = py::none(), py::arg("particle") = 255,
             py::arg("jobs") = py::none(), batchDoc.c_str());
}

}  // namespace kep::python
