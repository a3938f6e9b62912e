#include "image/binary_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace kep {

bool BinaryFile::Open(const std::string& path) {
  m_file.reset();
  m_size = 0;
  m_position = 0;
  // Non-blocking open so that a named pipe cannot stall the reader before the
  // regular-file check below turns it away.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return false;
  }
  std::FILE* file = ::fdopen(fd, "rb");
  if (file == nullptr) {
    ::close(fd);
    return false;
  }
  m_file.reset(file);
  m_size = static_cast<std::uint64_t>(status.st_size);
  return true;
}

std::size_t BinaryFile::ReadAt(std::uint64_t offset, void* dest, std::size_t count) {
  if (!m_file || offset >= m_size || count == 0) return 0;
  const std::uint64_t available = std::min<std::uint64_t>(count, m_size - offset);
  if (::fseeko(m_file.get(), static_cast<off_t>(offset), SEEK_SET) != 0) return 0;
  return std::fread(dest, 1, static_cast<std::size_t>(available), m_file.get());
}

std::size_t BinaryFile::Read(void* dest, std::size_t count) {
  const std::size_t got = ReadAt(m_position, dest, count);
  m_position += got;
  return got;
}

}  // namespace kep
