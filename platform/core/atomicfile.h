#pragma once
// Saving that never destroys the previous file: the bytes go to a temporary file in the
// target's folder, which is flushed to disk and only then renamed over the target. A crash,
// a full disk or any other failure leaves the old file as it was and no temporary behind.
// Every writer of a whole file uses it: widget files, registry hives, pages, pictures.

#include <string>
#include <string_view>

namespace tb {

// Writes bytes to path, replacing the file only when everything was written. A target that
// is a symbolic link keeps the link and gets its file replaced; an existing target's
// permission bits are kept, a new file gets the usual ones (0666 less the umask). An existing
// file this process may not write to is left alone. On failure the result is false and
// *pWhy, when given, says why in the system's words.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* pWhy = nullptr);

// The rename step, replaceable so tests can make it fail like a real file system can.
using RenameFunction = int (*)(const char* from, const char* to);
// Installs fn (null restores the system's rename) and returns the one installed before.
RenameFunction SetRenameFunctionForTesting(RenameFunction fn);

} // namespace tb
