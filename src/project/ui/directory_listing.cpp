#include "project/ui/directory_listing.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <memory>

#include "image/image_file.h"

namespace kep {

namespace {

int CompareIgnoringCase(const std::string& a, const std::string& b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const int x = std::tolower(static_cast<unsigned char>(a[i]));
    const int y = std::tolower(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

}  // namespace

DirectoryListing ListDirectory(const std::string& directory) {
  std::unique_ptr<DIR, DirCloser> dir(::opendir(directory.c_str()));
  if (!dir) return {{}, std::strerror(errno)};
  std::vector<std::string> entries;
  if (directory != "/") entries.emplace_back("[..]");
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (name.empty() || name[0] == '.') continue;
    const std::string path = JoinPath(directory, name);
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) continue;
    if (S_ISDIR(info.st_mode)) {
      entries.push_back("[" + name + "]");
    } else if (S_ISREG(info.st_mode) && ::access(path.c_str(), R_OK) == 0) {
      entries.push_back(name);
    }
  }
  std::sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
    const int order = CompareIgnoringCase(a, b);
    return order != 0 ? order < 0 : a < b;
  });
  return {std::move(entries), {}};
}

std::string ParentDirectory(const std::string& directory) {
  std::string parent = directory;
  while (parent.size() > 1 && parent.back() == '/') parent.pop_back();
  const std::string::size_type slash = parent.rfind('/');
  if (slash == std::string::npos || slash == 0) return "/";
  return parent.substr(0, slash);
}

std::string JoinPath(const std::string& directory, const std::string& name) {
  if (!directory.empty() && directory.back() == '/') return directory + name;
  return directory + "/" + name;
}

std::string TypedDirectory(const std::string& typed, const std::string& current,
                           const std::string& home) {
  if (typed == "~") return home;
  if (typed.rfind("~/", 0) == 0) return JoinPath(home, typed.substr(2));
  if (!typed.empty() && typed[0] == '/') return typed;
  return JoinPath(current, typed);
}

std::string FileListText(const std::string& path) {
  const std::string::size_type slash = path.rfind('/');
  if (slash == std::string::npos) return path;
  return path.substr(slash + 1) + " \u2014 " + (slash == 0 ? "/" : path.substr(0, slash));
}

std::string FileTypeExtension(const std::string& fileType) {
  const std::string::size_type open = fileType.rfind('(');
  const std::string::size_type close = fileType.rfind(')');
  if (open == std::string::npos || close == std::string::npos || close < open + 3) return "*";
  return fileType.substr(open + 3, close - open - 3);
}

bool PassesFileType(const std::string& entry, const std::string& extension) {
  if (extension == "*" || (!entry.empty() && entry[0] == '[')) return true;
  return EqualIgnoringCase(PathExtension(entry), extension);
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  return CompareIgnoringCase(a, b) == 0;
}

}  // namespace kep
