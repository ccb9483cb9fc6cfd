#include "model/gatherfiles.h"

#include "model/appletparameters.h"
#include "model/copyresources.h"
#include "model/filecompare.h"
#include "model/storagewalk.h"
#include "platform/core/atomicfile.h"
#include "platform/core/folderlistings.h"
#include "platform/core/paths.h"

#include <algorithm>
#include <vector>

namespace {

tb::GatherOutcome Fail(tb::GatherReport* pReport, const std::string& strSource,
                       const std::string& strTarget, const std::string& strWhy) {
    if (pReport) {
        tb::CopyFailure failure{strSource, strTarget, strWhy};
        auto& failures = pReport->failures;
        if (std::find(failures.begin(), failures.end(), failure) == failures.end())
            failures.push_back(std::move(failure));
    }
    return tb::GatherOutcome::Failed;
}

// One copy; a failure goes into the report.
tb::GatherOutcome Copy(const std::string& strSource, const std::string& strTarget,
                       tb::GatherReport* pReport) {
    std::string why;
    if (!tb::CopyFileAtomically(strSource, strTarget, &why))
        return Fail(pReport, strSource, strTarget, why);
    return tb::GatherOutcome::Copied;
}

bool TakesReservedName(const std::string& strName, const tb::GatherReport* pReport) {
    return pReport && !pReport->strReservedName.empty() && strName == pReport->strReservedName;
}

constexpr const char* kReservedWhy = "it has the name of the widget file, which it would replace";

} // namespace

tb::GatherOutcome GatherOne(std::string& strReference, const std::string& strDestFolder,
                            tb::CHandledPaths& handled, tb::GatherMode mode,
                            tb::GatherReport* pReport, tb::CFolderListings* pSources) {
    using tb::GatherOutcome;
    if (strReference.empty())
        return GatherOutcome::Unchanged;
    const std::string strName = tb::FileNamePart(strReference);
    const std::string strTarget = strDestFolder + strName;

    if (mode == tb::GatherMode::CopyOnly) {
        // A missing source is no failure: the next resource-list rebuild drops it.
        if (!tb::PathEntryExists(strReference))
            return GatherOutcome::Unchanged;
        if (TakesReservedName(strName, pReport))
            return Fail(pReport, strReference, strTarget, kReservedWhy);
        if (tb::FolderPart(strReference) == strDestFolder)
            return GatherOutcome::Unchanged;
        return Copy(strReference, strTarget, pReport);
    }

    if (!(pSources ? pSources->FileExists(strReference) : tb::FileExists(strReference))) {
        strReference.clear();
        return GatherOutcome::Cleared;
    }
    // Even a file that is already in place would be overwritten by the widget file.
    if (TakesReservedName(strName, pReport))
        return Fail(pReport, strReference, strTarget, kReservedWhy);
    if (tb::FolderPart(strReference) == strDestFolder)
        return GatherOutcome::Unchanged;

    // A source already gathered is not copied again and later references keep their path:
    // stored files hold only the file name, so they still resolve to the copy when read.
    if (auto it = handled.find(strReference); it != handled.end())
        return it->second.empty() ? GatherOutcome::Conflict : GatherOutcome::Unchanged;

    if (!tb::PathEntryExists(strTarget)) {
        // A failed copy keeps the reference on its source rather than on a missing file.
        if (Copy(strReference, strTarget, pReport) == GatherOutcome::Failed)
            return GatherOutcome::Failed;
        handled.emplace(strReference, strTarget);
        strReference = strTarget;
        return GatherOutcome::Copied;
    }
    if (tb::FilesEqual(strReference, strTarget)) {
        handled.emplace(strReference, strTarget);
        strReference = strTarget;
        return GatherOutcome::Redirected;
    }
    handled.emplace(strReference, std::string());
    return GatherOutcome::Conflict;
}

std::vector<tb::CopyFailure> CAppletParameters::GatherFiles(const std::string& strDestFolder,
                                                            tb::GatherMode mode,
                                                            const std::string& strComponentFolder,
                                                            ICopyResourcesHandler* pHandler,
                                                            const std::string& strReservedName) {
    std::string strDest = strDestFolder;
    if (!strDest.empty() && strDest.back() != '/')
        strDest += '/';
    tb::GatherReport report{strReservedName, {}};

    // A design refers to the same few folders many times over; they are listed once each.
    tb::CFolderListings sources;
    sources.NeverList(strDest);
    tb::CHandledPaths handled;
    // The class file and the script player go like media files copied over: whatever lies
    // there is replaced.
    for (const char* pszFile : tb::ProgramFolderFiles(m_bPlayer != 0)) {
        std::string strSource = tb::JoinPath(strComponentFolder, pszFile);
        GatherOne(strSource, strDest, handled, tb::GatherMode::CopyOnly, &report);
    }

    std::vector<std::string*> conflicts;
    tb::ForEachFileReference(*this, [&](std::string& strReference, const std::string&) {
        if (GatherOne(strReference, strDest, handled, mode, &report, &sources) ==
            tb::GatherOutcome::Conflict)
            conflicts.push_back(&strReference);
    });

    if (!conflicts.empty() && pHandler)
        pHandler->CopyResources(conflicts, strDest);
    return std::move(report.failures);
}
