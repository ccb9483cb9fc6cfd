#include "model/gatherfiles.h"

#include "model/appletparameters.h"
#include "model/copyresources.h"
#include "model/filecompare.h"
#include "model/storagewalk.h"
#include "platform/core/paths.h"

#include <vector>

tb::GatherOutcome GatherOne(std::string& strReference, const std::string& strDestFolder,
                            tb::CHandledPaths& handled, tb::GatherMode mode) {
    using tb::GatherOutcome;
    if (strReference.empty())
        return GatherOutcome::Unchanged;
    const std::string strTarget = strDestFolder + tb::FileNamePart(strReference);

    if (mode == tb::GatherMode::CopyOnly) {
        if (tb::FolderPart(strReference) == strDestFolder)
            return GatherOutcome::Unchanged;
        return tb::CopyFileReplace(strReference, strTarget) ? GatherOutcome::Copied
                                                            : GatherOutcome::Unchanged;
    }

    if (!tb::FileExists(strReference)) {
        strReference.clear();
        return GatherOutcome::Cleared;
    }
    if (tb::FolderPart(strReference) == strDestFolder)
        return GatherOutcome::Unchanged;

    // A source already gathered is not copied again and later references keep their path:
    // stored files hold only the file name, so they still resolve to the copy when read.
    if (auto it = handled.find(strReference); it != handled.end())
        return it->second.empty() ? GatherOutcome::Conflict : GatherOutcome::Unchanged;

    if (!tb::PathEntryExists(strTarget)) {
        // A failed copy keeps the reference on its source rather than on a missing file.
        if (!tb::CopyFileReplace(strReference, strTarget))
            return GatherOutcome::Unchanged;
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

void CAppletParameters::GatherFiles(const std::string& strDestFolder, tb::GatherMode mode,
                                    const std::string& strComponentFolder,
                                    ICopyResourcesHandler* pHandler) {
    std::string strDest = strDestFolder;
    if (!strDest.empty() && strDest.back() != '/')
        strDest += '/';

    tb::CopyFileReplace(tb::JoinPath(strComponentFolder, tb::kAppletClassFile),
                        strDest + tb::kAppletClassFile);

    tb::CHandledPaths handled;
    std::vector<std::string*> conflicts;
    tb::ForEachFileReference(*this, [&](std::string& strReference, const std::string&) {
        if (GatherOne(strReference, strDest, handled, mode) == tb::GatherOutcome::Conflict)
            conflicts.push_back(&strReference);
    });

    if (!conflicts.empty() && pHandler)
        pHandler->CopyResources(conflicts, strDest);
}
