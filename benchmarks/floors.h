#pragma once
// What the machine needs at the least for the bytes an operation handles: the floors the
// benchmarks set their figures against.

#include <cstddef>
#include <string>
#include <string_view>

namespace tb::bench {

// Reads the whole file and finds every line end in it; returns the number of lines.
size_t ReadAndSplitLines(const std::string& strPath);

// Copies the bytes into fresh memory; returns the number copied.
size_t CopyBytes(std::string_view bytes);

// Writes the bytes to the file the way every whole file is saved (temporary file, flushed,
// renamed over the target); false when that failed.
bool WriteBytes(const std::string& strPath, std::string_view bytes);

// The file's bytes, or an empty text when it cannot be read.
std::string FileBytes(const std::string& strPath);

} // namespace tb::bench
