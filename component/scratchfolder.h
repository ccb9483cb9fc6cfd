#pragma once
// The private folder one designer run writes its preview pages into. It lies under the user's
// cache folder rather than in the program folder: an installed program folder is read-only,
// and two designers open at once must not clear each other's pages.

#include <string>

namespace tb {

class CScratchFolder {
public:
    // Creates a fresh folder only this user may enter: under $XDG_CACHE_HOME (or ~/.cache)
    // in "ambrel-brisko", else in the temporary folder. Path() is "" when neither worked.
    CScratchFolder();
    // Removes the folder with everything in it.
    ~CScratchFolder();
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;

    // Without a trailing separator.
    const std::string& Path() const { return m_strPath; }

private:
    std::string m_strPath;
};

} // namespace tb
