#pragma once
// The text form of a hive, the familiar registry export format:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Tallowby]
//   @="default value"
//   "Name"="C:\\path with \"quotes\""
//   "Count"=dword:0000000a
//
// Every key has its own section, in creation order, parents before children; the hive's
// root gets a section only when it holds values. Strings that cannot stand on one line
// (line breaks and other control characters) are written in the export format's binary
// string form, hex(1): UTF-16LE bytes ending in a zero character.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/registry/regtree.h"

namespace tb {

// The deepest a key may lie below its hive's root, as in the system registry. Every section
// header repeats its key's whole path, so deeper keys would make the file grow with the
// square of the depth.
constexpr size_t kMaxKeyDepth = 512;

// The largest hive file that is read; a larger one is refused rather than read into memory.
constexpr size_t kMaxHiveBytes = 64 * 1024 * 1024;

std::string FormatHive(const CRegNode& root, const std::string& rootName);

// The same, but false (and *out incomplete) as soon as the text would grow past nMaxBytes,
// so that a tree the reader would refuse is never formatted whole.
bool FormatHiveWithin(const CRegNode& root, const std::string& rootName, size_t nMaxBytes,
                      std::string* out);

// Reads text into root (which should be empty). On failure returns false with the 1-based
// line number and a short description; root is then incomplete and must be discarded.
bool ParseHive(std::string_view text, const std::string& rootName, CRegNode& root, int* errorLine,
               std::string* message);

// True when a name can be stored (key names exclude '\' and control characters; value
// names exclude line breaks).
bool IsValidKeyName(std::string_view name);
bool IsValidValueName(std::string_view name);

} // namespace tb
