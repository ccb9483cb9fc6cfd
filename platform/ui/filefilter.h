#pragma once
// File-dialog filters: description and pattern list alternate, separated by '|', and an empty
// description ends the list. So "Widget Files(*.tsq) | *.tsq||All Files(*.*) | *.*||" offers
// only the first pair; the filter texts are data whose meaning must not depend on which
// dialog shows them, so every dialog implementation reads them through this one parser.

#include <string>
#include <string_view>
#include <vector>

namespace tb {

struct FileFilterEntry {
    std::string description;           // blanks around it removed
    std::vector<std::string> patterns; // split at ';', each without blanks; may be empty
};

// Entries in order. An empty text, or one whose first description is empty, gives none. A
// final description without a pattern list gives an entry without patterns.
std::vector<FileFilterEntry> ParseFileFilter(std::string_view text);

// The pattern list as a file dialog on this system needs it: "*.*" means every file here as
// it did there, so it becomes "*"; no pattern at all also means every file.
std::vector<std::string> NativePatterns(const FileFilterEntry& entry);

// The name as shown in a dialog's list: the description, followed by the native patterns in
// parentheses unless the description already ends with exactly those.
std::string FilterDisplayName(const FileFilterEntry& entry);

} // namespace tb
