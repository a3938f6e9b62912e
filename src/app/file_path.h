#pragma once

#include <string>

#include <wx/string.h>

namespace kep {

// Paths are the file system's bytes, whatever their characters: a name need not
// be valid UTF-8, nor agree with the user's locale. The toolkit's texts hold
// them through its file-name conversion, which gives every byte sequence a text
// that converts back to the same bytes.
wxString PathText(const std::string& path);
std::string PathBytes(const wxString& text);

// The last component of a path: "koch.bmp" for "/data/koch.bmp".
std::string FileNameOf(const std::string& path);

// Writes the bytes into the file, replacing it; "PATH: reason" when that fails,
// else empty.
wxString WriteFile(const wxString& path, const std::string& bytes);

// Why a file cannot be read, as "PATH: reason"; empty when it can be.
wxString UnreadableFileMessage(const wxString& path);

}  // namespace kep
