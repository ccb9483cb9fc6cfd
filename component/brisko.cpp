#include "component/brisko.h"

#include "component/briskoids.h"
#include "component/componentstate.h"
#include "component/savefailure.h"
#include "model/gatherfiles.h"
#include "model/storagewalk.h"
#include "platform/core/folderlistings.h"
#include "platform/core/paths.h"

namespace {

// Adds the entry for one file reference of the model, or clears a reference whose file is
// gone so that neither the HTML nor the list names a missing file.
void AddFileResource(WidgetConfig& config, tb::CFolderListings& folders, std::string& strPath,
                     const std::string& strWebPath) {
    if (strPath.empty())
        return;
    if (!folders.FileExists(strPath)) {
        strPath.clear();
        return;
    }
    config.AddResource({tb::FileNamePart(strPath), tb::FolderPart(strPath), strWebPath});
}

} // namespace

CBrisko::CBrisko() {
    // A design started here plays in current browsers; one read from a file keeps its own
    // choice.
    applet.m_bPlayer = 1;
}
CBrisko::~CBrisko() = default;

std::string CBrisko::GetDescriptionEntry(std::string_view key) {
    return config.GetDescription(key);
}

void CBrisko::SetDescriptionEntry(std::string_view key, std::string_view value) {
    config.SetDescription(key, value);
}

double CBrisko::GetLastUpdateTime() {
    return config.GetLastUpdateTime();
}

void CBrisko::SetLastUpdateTime(double date) {
    config.SetLastUpdateTime(date);
}

std::string CBrisko::WidgetFolder(const std::string& path) {
    const size_t sep = tb::LastSeparator(path);
    if (sep == std::string::npos)
        return "./";
    return path.substr(0, sep) + "/";
}

bool CBrisko::ReadConfigFile(const std::string& path) {
    if (!config.Read(path))
        return false;
    // A file of another component is still accepted, so that hosts can read its identity
    // through any installed component; only our own files carry a design for us.
    if (config.PeekDescription(tb::kDescProgID) != tb::kBriskoProgID)
        return true;
    applet.ReadParameters(config.Parameters(), WidgetFolder(path));
    // The design now holds everything they said, and writing makes them anew; their memory
    // serves the HTML and the writing instead.
    config.ClearParameters();
    return true;
}

bool CBrisko::WriteConfigFileEx(const std::string& path, tb::GatherMode mode) {
    config.ClearParameters();
    config.ClearResources();
    config.ClearSegments();
    config.SetDescription(tb::kDescProgID, tb::kBriskoProgID);
    const std::string strFolder = WidgetFolder(path);
    // No copy may take the widget file's own name: it would overwrite the previous file
    // even when this save then fails.
    const std::vector<tb::CopyFailure> failures = applet.GatherFiles(
        strFolder, mode, tb::ComponentFolder(), tb::CopyResourcesHandler(), tb::FileNamePart(path));
    applet.WriteParameters(config.Parameters());
    RebuildResourceList();
    config.AddSegment({"cursor", applet.GetHTML(this, tb::HtmlMode::Preview)});
    resourcesCurrent = 1;
    // A widget file whose media are not all beside it would lose them at its next save: it
    // is not written at all, and the copies that were made are complete files.
    if (!failures.empty()) {
        tb::ReportSaveFailure(path, failures, std::string());
        return false;
    }
    std::string why;
    if (!config.Write(path, &why)) {
        tb::ReportSaveFailure(path, failures, why);
        return false;
    }
    return true;
}

std::string CBrisko::GetHTMLBody(tb::HtmlMode mode) {
    return applet.GetHTML(this, mode);
}

std::string CBrisko::GetPreviewPath() {
    return config.GetDescription(tb::kDescPreviewPath);
}

void CBrisko::RebuildResourceList() {
    config.ClearResources();
    for (const char* pszFile : tb::ProgramFolderFiles(applet.m_bPlayer != 0))
        config.AddResource({pszFile, tb::ComponentFolder() + "/", applet.m_strWebPath});
    // Large designs refer to many files in few folders: each is listed once per rebuild.
    tb::CFolderListings folders;
    tb::ForEachFileReference(applet, [&](std::string& strPath, const std::string& strWebPath) {
        AddFileResource(config, folders, strPath, strWebPath);
    });
}

void CBrisko::SetPlayer(bool bOn) {
    applet.m_bPlayer = bOn ? 1 : 0;
    // The list names the player only while the design loads it.
    resourcesCurrent = 0;
}

void CBrisko::EnsureResourcesCurrent() {
    if (resourcesCurrent != 0)
        return;
    RebuildResourceList();
    resourcesCurrent = 1;
}

int CBrisko::GetResourceNumber() {
    EnsureResourcesCurrent();
    return config.GetResourceCount();
}

std::string CBrisko::GetResourceName(int nIndex) {
    EnsureResourcesCurrent();
    return config.GetResourceName(nIndex);
}

std::string CBrisko::GetResourceLocalPath(int nIndex) {
    EnsureResourcesCurrent();
    return config.GetResourceLocalPath(nIndex);
}

std::string CBrisko::GetResourceLocalPathByName(const std::string& name) {
    EnsureResourcesCurrent();
    return config.GetResourceLocalPathByName(name);
}

bool CBrisko::SetResourceLocalPath(const std::string& path) {
    EnsureResourcesCurrent();
    config.SetResourceLocalPath(path);
    return true;
}
