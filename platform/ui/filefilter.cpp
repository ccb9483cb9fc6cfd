#include "platform/ui/filefilter.h"

namespace tb {

namespace {

std::string_view Trim(std::string_view text) {
    const char* blanks = " \t\r\n";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

std::vector<std::string> SplitPatterns(std::string_view list) {
    std::vector<std::string> patterns;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(';', start);
        if (end == std::string_view::npos)
            end = list.size();
        std::string_view pattern = Trim(list.substr(start, end - start));
        if (!pattern.empty())
            patterns.emplace_back(pattern);
        start = end + 1;
    }
    return patterns;
}

std::string JoinWithBlanks(const std::vector<std::string>& parts) {
    std::string joined;
    for (const std::string& part : parts) {
        if (!joined.empty())
            joined += ' ';
        joined += part;
    }
    return joined;
}

} // namespace

std::vector<FileFilterEntry> ParseFileFilter(std::string_view text) {
    std::vector<FileFilterEntry> entries;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t bar = text.find('|', pos);
        std::string_view description =
            text.substr(pos, bar == std::string_view::npos ? std::string_view::npos : bar - pos);
        // The platform ends the list at an empty field; a field of blanks is not empty there.
        if (description.empty())
            break;
        FileFilterEntry entry;
        entry.description = std::string(Trim(description));
        if (bar == std::string_view::npos) {
            entries.push_back(std::move(entry));
            break;
        }
        size_t patternStart = bar + 1;
        size_t patternEnd = text.find('|', patternStart);
        if (patternEnd == std::string_view::npos)
            patternEnd = text.size();
        entry.patterns = SplitPatterns(text.substr(patternStart, patternEnd - patternStart));
        entries.push_back(std::move(entry));
        pos = patternEnd + 1;
    }
    return entries;
}

std::vector<std::string> NativePatterns(const FileFilterEntry& entry) {
    std::vector<std::string> patterns;
    for (const std::string& pattern : entry.patterns)
        patterns.push_back(pattern == "*.*" ? "*" : pattern);
    if (patterns.empty())
        patterns.emplace_back("*");
    return patterns;
}

std::string FilterDisplayName(const FileFilterEntry& entry) {
    std::string shown = JoinWithBlanks(NativePatterns(entry));
    const std::string& description = entry.description;
    if (description.size() >= shown.size() + 2 && description.back() == ')' &&
        description.compare(description.size() - shown.size() - 2, std::string::npos,
                            "(" + shown + ")") == 0)
        return description;
    if (description.empty())
        return "(" + shown + ")";
    return description + " (" + shown + ")";
}

} // namespace tb
