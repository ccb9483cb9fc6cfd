#pragma once
// Gathering the files a design refers to into one folder (the widget's folder, or a page's
// folder when publishing). GatherFiles itself is a member of CAppletParameters.
//
// Every copy goes through a temporary file in the destination that is renamed over the name,
// so a file there is replaced only by a complete copy, and a symbolic link there is replaced
// rather than written through.

#include "model/outputmodes.h"

#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace tb {
class CFolderListings;

// Source paths already dealt with in one gathering, each with the copy its first reference
// was pointed at; an empty copy marks a source that collided with a different file.
using CHandledPaths = std::unordered_map<std::string, std::string>;

enum class GatherOutcome {
    Unchanged,  // nothing to do (in CopyOnly also a missing source)
    Copied,     // the file was copied (PointAtCopies: the reference now names the copy)
    Redirected, // an equal file already lay in the destination; the reference names it
    Cleared,    // PointAtCopies: the source does not exist, the reference is emptied
    Conflict,   // PointAtCopies: a different file of that name lies in the destination
    Failed,     // the copy could not be made (or may not be): reference unchanged, reason kept
};

// A copy that could not be made, and why in words for the user.
struct CopyFailure {
    std::string strSource;
    std::string strTarget;
    std::string strWhy;

    bool operator==(const CopyFailure&) const = default;
};

// What one gathering must keep clear of, and what went wrong in it.
struct GatherReport {
    // A file name in the destination that no copy may take: the widget file being written
    // there, which a copy would overwrite before it is saved. Empty: none.
    std::string strReservedName;
    std::vector<CopyFailure> failures; // in gathering order, each source and target once
};

// The name of the applet's class file, copied with every gathering.
inline constexpr const char* kAppletClassFile = "tlwbtn.class";
// The script player that plays the applet element in current browsers, next to the class
// file in the program folder.
inline constexpr const char* kScriptPlayerFile = "tlwbtn.js";

// The program folder's files that a design's HTML loads, in the resource list's order: the
// class file, then the script player when the design plays in current browsers.
inline std::span<const char* const> ProgramFolderFiles(bool bPlayer) {
    static constexpr const char* kFiles[] = {kAppletClassFile, kScriptPlayerFile};
    return {kFiles, bPlayer ? 2u : 1u};
}

} // namespace tb

// Gathers one file reference (a path text of the model, rewritten in place). strDestFolder
// ends with '/'. PointAtCopies copies each source once and points every reference to it at
// the copy; CopyOnly copies over whatever lies in the destination and leaves references alone.
// Failed copies are added to the report when one is given. pSources, when given, answers
// whether sources exist from folder listings; it must never list strDestFolder (NeverList),
// into which this copies.
tb::GatherOutcome GatherOne(std::string& strReference, const std::string& strDestFolder,
                            tb::CHandledPaths& handled, tb::GatherMode mode,
                            tb::GatherReport* pReport = nullptr,
                            tb::CFolderListings* pSources = nullptr);
