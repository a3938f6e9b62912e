#include "image/binary_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

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

std::size_t BinaryFile::ReadAtInto(std::uint64_t offset,
                                   std::span<const std::span<std::uint8_t>> pieces) {
  if (!m_file) return 0;
  std::size_t total = 0;
  std::vector<iovec> batch;
  std::size_t next = 0;  // the first piece not yet read completely
  std::size_t done = 0;  // bytes of that piece already read
  while (next < pieces.size() && offset + total < m_size) {
    batch.clear();
    for (std::size_t i = next; i < pieces.size() && batch.size() < IOV_MAX; ++i) {
      const std::size_t skip = i == next ? done : 0;
      batch.push_back({pieces[i].data() + skip, pieces[i].size() - skip});
    }
    const ssize_t got = ::preadv(fileno(m_file.get()), batch.data(), static_cast<int>(batch.size()),
                                 static_cast<off_t>(offset + total));
    if (got <= 0) break;
    total += static_cast<std::size_t>(got);
    // Find where the read ended.
    for (std::size_t left = static_cast<std::size_t>(got); left > 0;) {
      const std::size_t rest = pieces[next].size() - done;
      if (left < rest) {
        done += left;
        left = 0;
      } else {
        left -= rest;
        ++next;
        done = 0;
      }
    }
  }
  return total;
}

std::size_t BinaryFile::Read(void* dest, std::size_t count) {
  const std::size_t got = ReadAt(m_position, dest, count);
  m_position += got;
  return got;
}

}  // namespace kep
