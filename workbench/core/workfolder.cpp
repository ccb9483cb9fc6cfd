#include "workbench/core/workfolder.h"

#include <filesystem>
#include <system_error>

#include "platform/core/userfolders.h"

namespace tb {

const std::string& CWorkFolder::Path() {
    if (m_strPath.empty())
        m_strPath = MakePrivateFolder("workbench-");
    return m_strPath;
}

void CWorkFolder::RemoveFiles() {
    if (m_strPath.empty())
        return;
    namespace fs = std::filesystem;
    std::error_code ec;
    for (fs::directory_iterator it(m_strPath, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_directory(typeError) || it->is_symlink(typeError))
            fs::remove(it->path(), typeError);
    }
    fs::remove(m_strPath, ec);
}

} // namespace tb
