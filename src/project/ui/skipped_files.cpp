#include "project/ui/skipped_files.h"

#include <algorithm>

namespace kep {

namespace {

constexpr std::size_t kNamesShown = 10;

}  // namespace

std::string SkippedFilesMessage(const std::string& reason, const std::vector<std::string>& names) {
  if (names.empty()) return {};
  std::string message = reason;
  const std::size_t shown = std::min(names.size(), kNamesShown);
  for (std::size_t i = 0; i < shown; ++i) message += "\n" + names[i];
  if (names.size() > shown)
    message += "\n... and " + std::to_string(names.size() - shown) + " more";
  return message;
}

std::string JoinMessages(const std::vector<std::string>& messages) {
  std::string joined;
  for (const std::string& message : messages) {
    if (message.empty()) continue;
    if (!joined.empty()) joined += "\n\n";
    joined += message;
  }
  return joined;
}

}  // namespace kep
