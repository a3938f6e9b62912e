#include "project/report_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace kep {

ReportFile::~ReportFile() { Discard(); }

bool ReportFile::Fail(const std::string& what) {
  m_errorNumber = errno;
  m_error = what + ": " + std::strerror(m_errorNumber);
  Discard();
  return false;
}

void ReportFile::Discard() {
  if (m_file) {
    std::fclose(m_file);
    m_file = nullptr;
  }
  if (!m_tempPath.empty()) {
    std::remove(m_tempPath.c_str());
    m_tempPath.clear();
  }
}

bool ReportFile::Open(const std::string& path) {
  Discard();
  m_path = path;
  m_error.clear();
  m_errorNumber = 0;
  if (path.empty()) {
    m_error = "no file name given";
    m_errorNumber = ENOENT;
    return false;
  }
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    m_error = "not a regular file";
    if (S_ISDIR(info.st_mode)) m_errorNumber = EISDIR;
    return false;
  }
  std::string pattern = path + ".XXXXXX";
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return Fail("cannot create the report");
  m_tempPath = pattern;
  // A new report gets the permissions an ordinary new file would get.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  m_file = ::fdopen(fd, "wb");
  if (!m_file) {
    ::close(fd);
    return Fail("cannot write the report");
  }
  return true;
}

bool ReportFile::Write(const std::string& text) {
  if (!m_file) return false;
  for (char c : text) {
    const bool ok = c == '\n' && m_lineEnds == LineEnds::kCrLf ? std::fputs("\r\n", m_file) >= 0
                                                               : std::fputc(c, m_file) != EOF;
    if (!ok) return Fail("cannot write the report");
  }
  return true;
}

bool ReportFile::Commit() {
  if (!m_file) return false;
  const bool flushed = std::fflush(m_file) == 0 && ::fsync(::fileno(m_file)) == 0;
  const bool closed = std::fclose(m_file) == 0;
  m_file = nullptr;
  if (!flushed || !closed) return Fail("cannot write the report");
  if (std::rename(m_tempPath.c_str(), m_path.c_str()) != 0)
    return Fail("cannot replace the report");
  m_tempPath.clear();
  return true;
}

}  // namespace kep
