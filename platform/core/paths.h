#pragma once
// Path helpers. Paths use '/' natively, but widget files and settings written on Windows
// carry '\', so every split accepts either separator.

#include <string>
#include <string_view>

namespace tb {

// Index of the last '/' or '\', or std::string::npos.
size_t LastSeparator(std::string_view path);

// The text after the last separator (the whole path when there is none).
std::string FileNamePart(std::string_view path);
// The same, as a view into path.
std::string_view FileNameView(std::string_view path);

// The file name without its extension, everything before its last '.' ("page.html" gives
// "page"; the whole name when it has no '.'), as a view into path.
std::string_view FileTitleView(std::string_view path);
// The file name's extension with its dot (".html"), empty when it has no '.'.
std::string_view ExtensionView(std::string_view path);

// The text up to and including the last separator (empty when there is none).
std::string FolderPart(std::string_view path);

// The text before the last separator (empty when there is none): "a/b/c.tsq" gives "a/b".
std::string FolderWithoutSeparator(std::string_view path);

// Joins a folder and a name with exactly one '/' between them.
std::string JoinPath(std::string_view folder, std::string_view name);

// Replaces every '\' by '/'.
std::string ToNativeSeparators(std::string_view path);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// The absolute path the file system finally resolves path to (links followed, "." and ".."
// gone); empty when it cannot (a missing file, a dangling link).
std::string ResolvedPath(const std::string& path);

// Why a path does not name a regular file, in words for a message ("is a directory", "is a
// named pipe", or the system's reason such as "No such file or directory"); empty when it
// does name one.
std::string WhyNotAFile(const std::string& path);

} // namespace tb
