#pragma once
// A page file as the editor holds it: its path and its bytes exactly as read, and the
// character set they are in.

#include <optional>
#include <string>
#include <string_view>

namespace tb::vellumo {

// The character set of a page: a byte-order mark, else a charset declared in a meta element
// near the start, else "UTF-8" when the bytes are valid UTF-8, else "windows-1252" (what
// browsers assume for pages without a declaration). Names come back in the form the page
// used them, except that the fall-backs are spelt as above.
std::string DetectCharset(std::string_view bytes);

bool IsValidUtf8(std::string_view bytes);

// The whole file, or nothing with the reason.
std::optional<std::string> ReadPageFile(const std::string& path, std::string* error);

} // namespace tb::vellumo
