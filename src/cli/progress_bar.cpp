#include "cli/progress_bar.h"

#include <unistd.h>

#include <cstdio>

namespace kep::cli {

namespace {
constexpr std::size_t kBarWidth = 40;
}

ProgressBar::ProgressBar(std::size_t total) : m_total(total), m_visible(::isatty(STDERR_FILENO) == 1) {
  Draw();
}

ProgressBar::~ProgressBar() { Erase(); }

void ProgressBar::Advance() {
  ++m_done;
  Draw();
}

void ProgressBar::PrintLine(const std::string& line) {
  Erase();
  std::fprintf(stderr, "%s\n", line.c_str());
  Draw();
}

void ProgressBar::Draw() {
  if (!m_visible || m_total == 0) return;
  const std::size_t filled = kBarWidth * m_done / m_total;
  std::fprintf(stderr, "\r[%s%s] %zu/%zu", std::string(filled, '#').c_str(),
               std::string(kBarWidth - filled, '.').c_str(), m_done, m_total);
  std::fflush(stderr);
}

void ProgressBar::Erase() {
  if (!m_visible || m_total == 0) return;
  std::fprintf(stderr, "\r%*s\r", static_cast<int>(kBarWidth + 30), "");
  std::fflush(stderr);
}

}  // namespace kep::cli
