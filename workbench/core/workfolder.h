#pragma once
// The workbench's work folder, where previews are written. It is private to one run of the
// program, under the user's cache folder: an installed program folder is read-only, and two
// workbenches must not overwrite each other's previews. At exit its files go and then the
// folder, unless something the workbench did not put there (a folder inside) keeps it.

#include <string>

namespace tb {

class CWorkFolder {
public:
    CWorkFolder() = default;
    CWorkFolder(const CWorkFolder&) = delete;
    CWorkFolder& operator=(const CWorkFolder&) = delete;

    // The folder, made on first use; "" when no folder could be made.
    const std::string& Path();
    // Whether Path() has made it.
    bool Exists() const { return !m_strPath.empty(); }

    // Deletes every file directly in the folder (links as links, never what they point at),
    // then the folder itself. Failures are ignored; a folder inside is not emptied, so it
    // keeps the work folder too.
    void RemoveFiles();

private:
    std::string m_strPath;
};

} // namespace tb
