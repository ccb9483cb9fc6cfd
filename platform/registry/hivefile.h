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

#include <string>
#include <string_view>

#include "platform/registry/regtree.h"

namespace tb {

std::string FormatHive(const CRegNode& root, const std::string& rootName);

// Reads text into root (which should be empty). On failure returns false with the 1-based
// line number and a short description; root is then incomplete and must be discarded.
bool ParseHive(std::string_view text, const std::string& rootName, CRegNode& root, int* errorLine,
               std::string* message);

// True when a name can be stored (key names exclude '\' and control characters; value
// names exclude line breaks).
bool IsValidKeyName(std::string_view name);
bool IsValidValueName(std::string_view name);

} // namespace tb
