#include "workbench/core/supportfiles.h"

#include <algorithm>

#include "platform/core/atomicfile.h"
#include "platform/core/paths.h"
#include "workbench/core/tessera.h"
#include "workbench/core/workbenchstrings.h"

namespace tb {

std::vector<CSupportFile> ListSupportFiles(CTessera& widget) {
    std::vector<CSupportFile> files;
    for (int16_t i = 0; i < widget.GetResourceNumber(); ++i) {
        CSupportFile file{widget.GetResourceName(i), widget.GetResourceLocalPath(i),
                          widget.GetResourceWebPath(i)};
        if (std::find(files.begin(), files.end(), file) == files.end())
            files.push_back(std::move(file));
    }
    return files;
}

std::vector<std::string> CopySupportFiles(const std::vector<CSupportFile>& files,
                                          const std::string& folder) {
    std::vector<std::string> failed;
    for (const CSupportFile& file : files) {
        if (!CopyFileAtomically(file.localPath + file.name, JoinPath(folder, file.name)))
            failed.push_back(file.name);
    }
    return failed;
}

std::string SupportFilesCopiedMessage(const std::string& folder,
                                      const std::vector<std::string>& failed) {
    std::string text = FormatHostString(IDS_SUPPORT_FILES_COPIED, {folder});
    if (failed.empty())
        return text;
    text += "\nThese files could not be copied:";
    for (const std::string& name : failed)
        text += " " + name;
    return text;
}

} // namespace tb
