#include "app/file_path.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kep {

namespace {

// 0 when the file opens for reading and is no directory, else the error number.
int ReadError(const std::string& path) {
  const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (file < 0) return errno;
  struct stat info {};
  const int error = ::fstat(file, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
  ::close(file);
  return error;
}

wxString ErrorMessage(const wxString& path, int error) {
  return path + ": " + wxString(std::strerror(error), *wxConvCurrent);
}

}  // namespace

wxString PathText(const std::string& path) { return wxString(path.c_str(), *wxConvFileName); }

std::string PathBytes(const wxString& text) {
  const wxCharBuffer bytes = text.fn_str();
  return bytes.data() ? std::string(bytes.data(), bytes.length()) : std::string();
}

std::string FileNameOf(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

wxString WriteFile(const wxString& path, const std::string& bytes) {
  std::FILE* file = std::fopen(PathBytes(path).c_str(), "wb");
  int error = file ? 0 : errno;
  if (file) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) error = errno;
    if (std::fclose(file) != 0 && error == 0) error = errno;
  }
  return error == 0 ? wxString() : ErrorMessage(path, error);
}

wxString UnreadableFileMessage(const wxString& path) {
  const int error = ReadError(PathBytes(path));
  return error == 0 ? wxString() : ErrorMessage(path, error);
}

}  // namespace kep
