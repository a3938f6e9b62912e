#pragma once

#include <tiffio.h>

#include <cstdarg>
#include <string>

namespace kep {

// A TIFF file opened through libtiff for reading its first directory, with the
// library's allocation limit set and its error messages kept here instead of
// written to standard error. Each object has its own handlers, so files may be
// read on several threads at once.
class LibtiffFile {
 public:
  explicit LibtiffFile(const std::string& path);
  ~LibtiffFile();
  LibtiffFile(const LibtiffFile&) = delete;
  LibtiffFile& operator=(const LibtiffFile&) = delete;

  // Null when libtiff could not open the file or read its first directory.
  TIFF* Handle() const { return m_tiff; }
  // "damaged TIFF file: " and the first error libtiff reported, without the name
  // of the file.
  std::string DamageReason() const;

 private:
  static int KeepError(TIFF* tiff, void* self, const char* module, const char* format,
                       va_list args);
  static int IgnoreWarning(TIFF* tiff, void* self, const char* module, const char* format,
                           va_list args);

  std::string m_path;
  std::string m_firstError;
  TIFF* m_tiff = nullptr;
};

}  // namespace kep
