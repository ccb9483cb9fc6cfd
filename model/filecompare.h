#pragma once
// File operations of the gathering step: copying with replacement and comparing contents.

#include <string>

namespace tb {

// True when both files open and hold the same bytes (two empty files are equal). A file
// that cannot be opened or mapped makes them different.
bool FilesEqual(const std::string& strPathA, const std::string& strPathB);

// Copies a file, replacing the target. Copying a file onto itself is refused (it would be
// truncated). Returns whether the copy succeeded.
bool CopyFileReplace(const std::string& strFrom, const std::string& strTo);

// Whether anything (file, folder, other) exists under that path.
bool PathEntryExists(const std::string& strPath);

} // namespace tb
