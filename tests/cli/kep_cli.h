#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/image_file_bytes.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace kep::test {

// Runs the kep-cli program that this build made.
inline ProgramResult RunKepCli(const std::vector<std::string>& args) {
  return RunProgram(KEP_CLI_PATH, args);
}

// The lines of a text, without their line ends.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end == std::string::npos ? end : end + 1;
  }
  return lines;
}

inline std::string ReadText(const std::string& path) {
  const Bytes bytes = ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

// The grey PGM file of a picture drawn in characters: '#' is `bright`, a digit d
// is d, anything else `dark`.
inline Bytes Pgm(const std::vector<std::string>& rows, std::uint8_t bright, std::uint8_t dark) {
  const std::string header =
      "P5\n" + std::to_string(rows[0].size()) + " " + std::to_string(rows.size()) + "\n255\n";
  Bytes bytes(header.begin(), header.end());
  for (const std::string& row : rows) {
    for (const char c : row) {
      bytes.push_back(c == '#' ? bright : c >= '0' && c <= '9' ? c - '0' : dark);
    }
  }
  return bytes;
}

}  // namespace kep::test
