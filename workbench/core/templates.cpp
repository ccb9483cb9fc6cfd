#include "workbench/core/templates.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/core/paths.h"
#include "platform/core/userfolders.h"
#include "workbench/core/tessera.h"
#include "workbench/core/workbenchstrings.h"

namespace tb {

namespace {

// The files of folder with the extension, in the order the file system gives them.
std::vector<std::string> FilesWithExtension(const std::string& folder,
                                            const std::string& extension) {
    std::vector<std::string> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError) && it->path().extension() == extension)
            files.push_back(it->path().string());
    }
    return files;
}

bool SameFolder(const std::string& a, const std::string& b) {
    std::error_code ec;
    return a == b || std::filesystem::equivalent(a, b, ec);
}

} // namespace

void CTemplateList::Clear() {
    names.clear();
    descriptions.clear();
    paths.clear();
}

void CTemplateList::Erase(size_t nIndex) {
    if (nIndex >= Size())
        return;
    names.erase(names.begin() + static_cast<std::ptrdiff_t>(nIndex));
    descriptions.erase(descriptions.begin() + static_cast<std::ptrdiff_t>(nIndex));
    paths.erase(paths.begin() + static_cast<std::ptrdiff_t>(nIndex));
}

std::string UserTemplateFolder() {
    const std::string data = UserDataFolder();
    if (data.empty())
        return {};
    const std::string folder = JoinPath(data, "templates");
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return DirectoryExists(folder) ? folder : std::string();
}

std::string TemplatePath(const std::string& folder, const std::string& name,
                         const std::string& progID) {
    if (name.empty())
        return folder + "/";
    return JoinPath(folder, name + "_" + progID + "." + LoadHostString(IDS_WIDGET_EXTENSION));
}

std::vector<std::string> TemplateFiles(const std::string& componentFolder,
                                       const std::string& userFolder,
                                       const std::string& extension) {
    std::vector<std::string> files = FilesWithExtension(componentFolder, extension);
    if (!userFolder.empty() && !SameFolder(userFolder, componentFolder)) {
        std::vector<std::string> own = FilesWithExtension(userFolder, extension);
        files.insert(files.end(), own.begin(), own.end());
    }
    return files;
}

CTemplateList ListTemplates(CTessera& lister, const std::string& userFolder) {
    CTemplateList list;
    for (const std::string& path : TemplateFiles(lister.m_strFolder, userFolder,
                                                 "." + LoadHostString(IDS_WIDGET_EXTENSION))) {
        // Reading merges into what the object holds: clear what a listing shows first.
        lister.SetProgID("");
        lister.SetTitle("");
        lister.SetDescription("");
        lister.ReadConfigFile(path);
        if (lister.GetProgID() != lister.m_strProgID)
            continue;
        list.names.push_back(lister.GetTitle());
        list.descriptions.push_back(lister.GetDescription());
        list.paths.push_back(path);
    }
    return list;
}

bool IsShippedTemplate(const CTessera& lister, const std::string& path) {
    return !lister.m_strFolder.empty() &&
           SameFolder(FolderWithoutSeparator(path), lister.m_strFolder);
}

bool SaveWidgetAsTemplate(CTessera& widget, const std::string& path, const std::string& name,
                          const std::string& description) {
    const std::string title = widget.GetTitle();
    const std::string oldDescription = widget.GetDescription();
    widget.SetTitle(name);
    widget.SetDescription(description);
    const bool bSaved = widget.WriteConfigFile(path);
    AfxMessageBox(LoadHostString(bSaved ? IDS_TEMPLATE_SAVED : IDS_TEMPLATE_SAVE_FAILED));
    widget.SetTitle(title);
    widget.SetDescription(oldDescription);
    return bSaved;
}

} // namespace tb
