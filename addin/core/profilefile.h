#pragma once
// Reading a settings file of sections and keys ("[section]" lines, "key=value" lines) the way
// the desktop's profile calls read it: names compare without regard to case, blanks around
// names and values are dropped, and every answer goes through a caller's buffer of fixed
// size, so that long answers are cut exactly where the buffer ends.

#include <string>
#include <vector>

namespace tb::addin {

// One settings file, read once; a missing or unreadable file reads as one without sections.
class CProfileFile {
public:
    explicit CProfileFile(const std::string& path);

    // What a section-names call leaves in a buffer of nBufferSize characters: each name
    // followed by a zero character, the list ended by one more. When the list does not fit,
    // the buffer holds as much as fits, cut before the last two places, and the answered
    // length is nBufferSize - 2. Returns the text up to the answered length.
    std::string SectionNamesBuffer(size_t nBufferSize) const;

    // The value of key in section, cut to nBufferSize - 1 characters; defaultValue (cut the
    // same way) when the section or the key is missing.
    std::string String(const std::string& section, const std::string& key,
                       const std::string& defaultValue, size_t nBufferSize) const;

private:
    struct CEntry {
        std::string key;
        std::string value;
    };
    struct CSection {
        std::string name;
        std::vector<CEntry> entries;
    };
    // In file order; lines before the first section and comment lines belong to none.
    std::vector<CSection> m_sections;
};

// The names in a section-names text: each one that is followed by a zero character, in
// order, up to the first empty name.
std::vector<std::string> SplitSectionNames(const std::string& buffer);

} // namespace tb::addin
