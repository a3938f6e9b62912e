#pragma once

#include <filesystem>
#include <string>

#include "support/image_file_bytes.h"

namespace kep::test {

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return m_path; }
  // Writes the bytes to a file of that name in the directory; returns its path.
  std::string Write(const std::string& name, const Bytes& bytes) const;
  std::string File(const std::string& name) const { return (m_path / name).string(); }

 private:
  std::filesystem::path m_path;
};

// The whole content of a file (empty when it cannot be read).
Bytes ReadFileBytes(const std::string& path);

}  // namespace kep::test
