#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

namespace kep {

// A regular file opened for binary reading at any offset. Offsets are 64-bit and
// reads past the end simply return fewer bytes (none at all beyond the end), so
// that offsets taken from a damaged file can neither wrap nor fail loudly.
class BinaryFile {
 public:
  // Opens a regular file; false for anything else (missing file, directory,
  // pipe, device), which the readers refuse like any unreadable file.
  bool Open(const std::string& path);
  std::uint64_t Size() const { return m_size; }

  // Reads up to count bytes from offset; returns how many were read.
  std::size_t ReadAt(std::uint64_t offset, void* dest, std::size_t count);
  // Reads the bytes from offset on into the pieces one after another, as
  // consecutive reads would, but in a few system calls: rows of a picture go
  // straight to their places in the image. Returns how many bytes were read.
  std::size_t ReadAtInto(std::uint64_t offset, std::span<const std::span<std::uint8_t>> pieces);
  // Sequential reading from the current position, which Seek may move anywhere.
  std::size_t Read(void* dest, std::size_t count);
  void Seek(std::uint64_t offset) { m_position = offset; }

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, Closer> m_file;
  std::uint64_t m_size = 0;
  std::uint64_t m_position = 0;
};

}  // namespace kep
