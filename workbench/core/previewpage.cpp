#include "workbench/core/previewpage.h"

#include <filesystem>
#include <system_error>

#include "platform/core/atomicfile.h"
#include "platform/core/paths.h"
#include "workbench/core/publishing.h"
#include "workbench/core/tessera.h"

namespace tb {

std::string PreviewPageText(const std::string& style, const std::string& script,
                            const std::string& cursor) {
    const std::string playerLine =
        std::string("<script src=\"") + kPreviewPlayerFile + "\"></script>";
    // A design that plays in current browsers loads the player itself; twice would play it
    // twice.
    const bool bLoadsPlayer = cursor.find(playerLine) != std::string::npos;
    return NewPageText("Preview", {style, script, cursor}, bLoadsPlayer ? "" : playerLine + "\r\n");
}

std::string BuildPreviewPage(CTessera* pTessera, const std::string& workFolder) {
    if (!pTessera || workFolder.empty())
        return {};
    std::error_code ec;
    std::filesystem::create_directories(workFolder, ec);
    pTessera->WriteConfigFileEx(JoinPath(workFolder, "preview.tsq"), 1);
    // The player is the program's own file; a page without it still shows its HTML.
    if (!pTessera->m_strFolder.empty())
        CopyFileAtomically(JoinPath(pTessera->m_strFolder, kPreviewPlayerFile),
                           JoinPath(workFolder, kPreviewPlayerFile));

    // With an empty PreviewPath the HTML refers to the files beside the page.
    const std::string previewPath = pTessera->GetPreviewPath();
    pTessera->SetPreviewPath("");
    const CPageSegments segments = CollectPageSegments(*pTessera, 0);
    pTessera->SetPreviewPath(previewPath);

    const std::string page = JoinPath(workFolder, "preview.htm");
    if (!WriteFileAtomically(page,
                             PreviewPageText(segments.style, segments.script, segments.cursor)))
        return {};
    return page;
}

} // namespace tb
