#include "image/libtiff_file.h"

#include <cstdio>

namespace kep {
namespace {

// The largest single block libtiff may allocate for a file: a strip or tile of
// compressed data, tables, buffers of its codecs. Far beyond what a picture of at
// most 16384 x 16384 pixels stored in ordinary strips needs, far below what would
// trouble the machine when a damaged file claims more.
constexpr tmsize_t kMaxSingleAllocation = tmsize_t{256} << 20;

struct OpenOptions {
  TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
  ~OpenOptions() { TIFFOpenOptionsFree(options); }
};

}  // namespace

LibtiffFile::LibtiffFile(const std::string& path) : m_path(path) {
  OpenOptions open;
  if (open.options == nullptr) {
    m_firstError = "not enough memory";
    return;
  }
  TIFFOpenOptionsSetMaxSingleMemAlloc(open.options, kMaxSingleAllocation);
  TIFFOpenOptionsSetErrorHandlerExtR(open.options, &LibtiffFile::KeepError, this);
  TIFFOpenOptionsSetWarningHandlerExtR(open.options, &LibtiffFile::IgnoreWarning, this);
  // "m": read with ordinary reads, so that a file cut short while it is read
  // gives an error instead of a fault in a memory mapping.
  m_tiff = TIFFOpenExt(path.c_str(), "rm", open.options);
}

LibtiffFile::~LibtiffFile() {
  if (m_tiff != nullptr) TIFFClose(m_tiff);
}

std::string LibtiffFile::DamageReason() const {
  return "damaged TIFF file: " +
         (m_firstError.empty() ? "libtiff found no readable image" : m_firstError);
}

// Returning 1 keeps libtiff from passing the message on to its process-wide
// handlers, which would write it to standard error.
int LibtiffFile::KeepError(TIFF*, void* self, const char*, const char* format, va_list args) {
  auto* file = static_cast<LibtiffFile*>(self);
  if (!file->m_firstError.empty()) return 1;
  char text[512];
  std::vsnprintf(text, sizeof text, format, args);
  std::string message = text;
  const std::string named = file->m_path + ": ";
  if (message.rfind(named, 0) == 0) message.erase(0, named.size());
  file->m_firstError = message;
  return 1;
}

int LibtiffFile::IgnoreWarning(TIFF*, void*, const char*, const char*, va_list) { return 1; }

}  // namespace kep
