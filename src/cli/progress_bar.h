#pragma once

#include <cstddef>
#include <string>

namespace kep::cli {

// A one-line progress bar on standard error, shown only when standard error is a
// terminal. Messages printed through it do not tear the bar.
class ProgressBar {
 public:
  explicit ProgressBar(std::size_t total);
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  void Advance();
  // Writes one line on standard error, above the bar.
  void PrintLine(const std::string& line);

 private:
  void Draw();
  void Erase();

  std::size_t m_total;
  std::size_t m_done = 0;
  bool m_visible;
};

}  // namespace kep::cli
