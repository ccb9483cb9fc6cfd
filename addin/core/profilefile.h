#pragma once
// Reading a settings file of sections and keys ("[section]" lines, "key=value" lines) the way
// the desktop's profile calls read it: names compare without regard to case, blanks around
// names and values are dropped, and every answer goes through a caller's buffer of fixed
// size, so that long answers are cut exactly where the buffer ends.

#include <string>
#include <vector>

namespace tb::addin {

// What a section-names call leaves in a buffer of nBufferSize characters: each name followed
// by a zero character, the list ended by one more. When the list does not fit, the buffer
// holds as much as fits, cut before the last two places, and the answered length is
// nBufferSize - 2. Returns the text up to the answered length (no file: empty).
std::string ReadSectionNamesBuffer(const std::string& path, size_t nBufferSize);

// The names in such a text: each one that is followed by a zero character, in order, up to
// the first empty name.
std::vector<std::string> SplitSectionNames(const std::string& buffer);

// The value of key in section, cut to nBufferSize - 1 characters; defaultValue (cut the same
// way) when the file, the section or the key is missing.
std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              size_t nBufferSize);

} // namespace tb::addin
