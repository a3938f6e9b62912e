#pragma once

#include <string>
#include <vector>

namespace kep {

// What Add says about the entries it skipped for one reason: the reason, then
// the names, one to a line; past the first ten, how many more there are, so
// that the message stays on the screen. Empty when no entry was skipped.
std::string SkippedFilesMessage(const std::string& reason, const std::vector<std::string>& names);

// The messages that are not empty, an empty line between each two.
std::string JoinMessages(const std::vector<std::string>& messages);

}  // namespace kep
