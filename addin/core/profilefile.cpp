#include "addin/core/profilefile.h"

#include <fstream>
#include <sstream>

#include "platform/core/asciitext.h"

namespace tb::addin {

namespace {

struct CProfileEntry {
    std::string key;
    std::string value;
};

struct CProfileSection {
    std::string name;
    std::vector<CProfileEntry> entries;
};

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Sections in file order; lines before the first section and comment lines belong to none.
std::vector<CProfileSection> ReadProfile(const std::string& path) {
    std::vector<CProfileSection> sections;
    std::ifstream file(path, std::ios::binary);
    std::string line;
    while (file && std::getline(file, line)) {
        line = Trimmed(line);
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            const size_t close = line.find(']');
            sections.push_back({Trimmed(line.substr(
                                    1, close == std::string::npos ? std::string::npos : close - 1)),
                                {}});
            continue;
        }
        const size_t equals = line.find('=');
        if (sections.empty() || equals == std::string::npos)
            continue;
        sections.back().entries.push_back(
            {Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1))});
    }
    return sections;
}

// A value in matching quotes is read without them.
std::string Unquoted(const std::string& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string Cut(const std::string& text, size_t nBufferSize) {
    return nBufferSize == 0 ? std::string() : text.substr(0, nBufferSize - 1);
}

} // namespace

std::string ReadSectionNamesBuffer(const std::string& path, size_t nBufferSize) {
    std::string list;
    for (const CProfileSection& section : ReadProfile(path)) {
        list += section.name;
        list += '\0';
    }
    if (list.size() + 1 <= nBufferSize)
        return list;
    return nBufferSize < 2 ? std::string() : list.substr(0, nBufferSize - 2);
}

std::vector<std::string> SplitSectionNames(const std::string& buffer) {
    std::vector<std::string> names;
    size_t start = 0;
    for (size_t zero; (zero = buffer.find('\0', start)) != std::string::npos; start = zero + 1) {
        if (zero == start)
            break;
        names.push_back(buffer.substr(start, zero - start));
    }
    return names;
}

std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              size_t nBufferSize) {
    for (const CProfileSection& candidate : ReadProfile(path)) {
        if (!EqualsNoCase(candidate.name, section))
            continue;
        for (const CProfileEntry& entry : candidate.entries)
            if (EqualsNoCase(entry.key, key))
                return Cut(Unquoted(entry.value), nBufferSize);
    }
    return Cut(defaultValue, nBufferSize);
}

} // namespace tb::addin
