#pragma once
// File checks of the gathering step: comparing contents and telling whether a name is taken.

#include <string>

namespace tb {

// True when both files open and hold the same bytes (two empty files are equal). A file
// that cannot be opened or mapped makes them different.
bool FilesEqual(const std::string& strPathA, const std::string& strPathB);

// Whether anything (file, folder, other) exists under that path.
bool PathEntryExists(const std::string& strPath);

} // namespace tb
