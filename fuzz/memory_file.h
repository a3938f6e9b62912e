#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kep::fuzz {

// A file held in memory that each fuzz input overwrites. The readers take paths,
// so the file is reached through /proc/self/fd and read like any regular file,
// without touching the disk for every input.
class MemoryFile {
 public:
  MemoryFile();
  ~MemoryFile();
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  void Replace(const std::uint8_t* data, std::size_t size);
  const std::string& Path() const { return m_path; }

 private:
  int m_fd = -1;
  std::string m_path;
};

}  // namespace kep::fuzz
