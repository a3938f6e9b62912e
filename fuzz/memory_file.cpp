#include "memory_file.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>

namespace kep::fuzz {

MemoryFile::MemoryFile() : m_fd(::memfd_create("kep-fuzz-input", MFD_CLOEXEC)) {
  if (m_fd < 0) std::abort();
  m_path = "/proc/self/fd/" + std::to_string(m_fd);
}

MemoryFile::~MemoryFile() { ::close(m_fd); }

void MemoryFile::Replace(const std::uint8_t* data, std::size_t size) {
  if (::ftruncate(m_fd, 0) != 0) std::abort();
  std::size_t written = 0;
  while (written < size) {
    const ssize_t n = ::pwrite(m_fd, data + written, size - written, static_cast<off_t>(written));
    if (n <= 0) std::abort();
    written += static_cast<std::size_t>(n);
  }
}

}  // namespace kep::fuzz
