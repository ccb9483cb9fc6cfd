#include "component/scratchfolder.h"

#include <filesystem>
#include <system_error>

#include "platform/core/userfolders.h"

namespace tb {

CScratchFolder::CScratchFolder() : m_strPath(MakePrivateFolder("preview-")) {}

CScratchFolder::~CScratchFolder() {
    if (m_strPath.empty())
        return;
    // remove_all removes links, never what they point at.
    std::error_code ec;
    std::filesystem::remove_all(m_strPath, ec);
}

} // namespace tb
