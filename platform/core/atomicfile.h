#pragma once
// Saving that never destroys the previous file: the bytes go to a temporary file in the
// target's folder, which is flushed to disk and only then renamed over the target. A crash,
// a full disk or any other failure leaves the old file as it was and no temporary behind.
// Every writer of a whole file uses it: widget files, registry hives, pages, pictures, and
// the copies of media files.

#include <functional>
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

// The same with the bytes made in pieces, so that a large file never lies in memory whole:
// produce hands each piece to emit, in order. A false from produce or from emit (a failed
// write) fails the save and leaves the previous file as it was.
using ByteEmitter = std::function<bool(std::string_view piece)>;
bool WriteFileAtomicallyFrom(const std::string& path,
                             const std::function<bool(const ByteEmitter& emit)>& produce,
                             std::string* pWhy = nullptr);

// Copies the regular file at from to path the same way, with the source's permission bits.
// Unlike WriteFileAtomically it replaces a symbolic link at path by the copy instead of
// writing through it: copies land in folders other people may have prepared, and a link
// there must never make a copy overwrite a file elsewhere. A path that is already the
// source itself is left as it is. False with the reason in *pWhy on any failure, a source
// that is not a regular file included.
bool CopyFileAtomically(const std::string& from, const std::string& path,
                        std::string* pWhy = nullptr);

// The rename step, replaceable so tests can make it fail like a real file system can.
using RenameFunction = int (*)(const char* from, const char* to);
// Installs fn (null restores the system's rename) and returns the one installed before.
RenameFunction SetRenameFunctionForTesting(RenameFunction fn);

} // namespace tb
