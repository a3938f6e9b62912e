#pragma once

#include <string>
#include <vector>

namespace kep {

// The project form's file browser on this system: the root "/" and the home
// directory stand for the drives, "/" separates names, and names keep their case.

// The entries of a directory as the browser lists them: "[..]" unless it is the
// root, "[name]" for each subdirectory, and the name of each readable regular
// file, leaving out hidden entries (those whose names start with "."), sorted
// ignoring case.
struct DirectoryListing {
  std::vector<std::string> entries;
  // Why the directory could not be listed; empty when it was.
  std::string error;
};
DirectoryListing ListDirectory(const std::string& directory);

// The directory above: /data/images -> /data, /data -> /, / -> /.
std::string ParentDirectory(const std::string& directory);
// The directory joined with a name, with one "/" between them.
std::string JoinPath(const std::string& directory, const std::string& name);
// A typed directory as a path: "~" at its start stands for the home directory,
// and a relative path is taken from the current directory.
std::string TypedDirectory(const std::string& typed, const std::string& current,
                           const std::string& home);
// How the project's file list shows a path: the file name first, then the
// directory it lies in, so that a long directory never hides the name.
std::string FileListText(const std::string& path);

// The extension a file type shows in its text: the pattern between the last "("
// and the last ")" without its first two characters, "TIF" for "Tiff (*.TIF)".
std::string FileTypeExtension(const std::string& fileType);
// Whether a listing entry passes a file type's extension: "*" and subdirectories
// always do, a file when its extension equals the type's ignoring case.
bool PassesFileType(const std::string& entry, const std::string& extension);

// Whether two texts are equal ignoring case.
bool EqualIgnoringCase(const std::string& a, const std::string& b);

}  // namespace kep
