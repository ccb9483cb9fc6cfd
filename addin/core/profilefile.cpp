#include "addin/core/profilefile.h"

#include <fstream>

#include "platform/core/asciitext.h"

namespace tb::addin {

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
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

CProfileFile::CProfileFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string line;
    while (file && std::getline(file, line)) {
        line = Trimmed(line);
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            const size_t close = line.find(']');
            m_sections.push_back(
                {Trimmed(
                     line.substr(1, close == std::string::npos ? std::string::npos : close - 1)),
                 {}});
            continue;
        }
        const size_t equals = line.find('=');
        if (m_sections.empty() || equals == std::string::npos)
            continue;
        m_sections.back().entries.push_back(
            {Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1))});
    }
}

std::string CProfileFile::SectionNamesBuffer(size_t nBufferSize) const {
    std::string list;
    for (const CSection& section : m_sections) {
        list += section.name;
        list += '\0';
    }
    if (list.size() + 1 <= nBufferSize)
        return list;
    return nBufferSize < 2 ? std::string() : list.substr(0, nBufferSize - 2);
}

std::string CProfileFile::String(const std::string& section, const std::string& key,
                                 const std::string& defaultValue, size_t nBufferSize) const {
    for (const CSection& candidate : m_sections) {
        if (!EqualsNoCase(candidate.name, section))
            continue;
        for (const CEntry& entry : candidate.entries)
            if (EqualsNoCase(entry.key, key))
                return Cut(Unquoted(entry.value), nBufferSize);
    }
    return Cut(defaultValue, nBufferSize);
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

} // namespace tb::addin
