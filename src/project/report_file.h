#pragma once

#include <cstdio>
#include <string>

namespace kep {

// A report written beside its destination and put in place only when complete,
// so an interrupted or failed run never leaves half a report where an old one was.
// Line ends "\n" are stored as CR LF unless told otherwise.
class ReportFile {
 public:
  // How "\n" is stored: as CR LF (the report) or as it is (tables for other programs).
  enum class LineEnds { kCrLf, kLf };

  explicit ReportFile(LineEnds lineEnds = LineEnds::kCrLf) : m_lineEnds(lineEnds) {}
  ~ReportFile();
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  // Refuses a destination that exists but is not a regular file, and one whose
  // directory cannot take a new file. Returns false with Error() set.
  bool Open(const std::string& path);
  bool Write(const std::string& text);
  // Flushes the text and renames it over the destination.
  bool Commit();
  const std::string& Error() const { return m_error; }
  // The system's error number (errno) behind Error(); 0 where the system gave none.
  int ErrorNumber() const { return m_errorNumber; }

 private:
  bool Fail(const std::string& what);
  void Discard();

  LineEnds m_lineEnds;
  std::string m_path;
  std::string m_tempPath;
  std::FILE* m_file = nullptr;
  std::string m_error;
  int m_errorNumber = 0;
};

}  // namespace kep
