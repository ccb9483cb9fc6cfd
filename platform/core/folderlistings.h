#pragma once
// FileExists for many paths at once, as when every file reference of a large design is
// checked: past a few paths into one folder, the folder is listed once and the rest are
// answered from the listing instead of a path lookup each. The answers are FileExists's
// (names the listing cannot settle, such as links, are still looked up); they hold what the
// folders held when first asked, so make one object per pass, and files that appear or vanish
// between passes are seen by the next.

#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tb {

class CFolderListings {
public:
    // As FileExists(path): an existing regular file, links followed.
    bool FileExists(const std::string& path);
    // Paths into this directory, by whatever name they reach it, are always looked up: a pass
    // that writes into a folder must see its own new files there.
    void NeverList(const std::string& folder);

private:
    struct CNameHash {
        using is_transparent = void;
        size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };
    struct CFolder {
        enum class State { Unlisted, Listed, Missing, Unlistable };
        State state = State::Unlisted;
        int nLookups = 0; // paths looked up one by one before listing
        // The folder's names, each with its entry type (DT_REG, DT_LNK, ... DT_UNKNOWN).
        std::unordered_map<std::string, unsigned char, CNameHash, std::equal_to<>> names;
    };

    void List(const std::string& folder, CFolder& listing) const;

    std::unordered_map<std::string, CFolder> m_folders;
    std::vector<std::pair<dev_t, ino_t>> m_neverListed;
};

} // namespace tb
