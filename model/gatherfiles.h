#pragma once
// Gathering the files a design refers to into one folder (the widget's folder, or a page's
// folder when publishing). GatherFiles itself is a member of CAppletParameters.

#include "model/outputmodes.h"

#include <string>
#include <unordered_map>

namespace tb {

// Source paths already dealt with in one gathering, each with the copy its first reference
// was pointed at; an empty copy marks a source that collided with a different file.
using CHandledPaths = std::unordered_map<std::string, std::string>;

enum class GatherOutcome {
    Unchanged,  // nothing to do, or a failed copy that left the reference as it was
    Copied,     // the file was copied (PointAtCopies: the reference now names the copy)
    Redirected, // an equal file already lay in the destination; the reference names it
    Cleared,    // PointAtCopies: the source does not exist, the reference is emptied
    Conflict,   // PointAtCopies: a different file of that name lies in the destination
};

// The name of the applet's class file, copied with every gathering.
inline constexpr const char* kAppletClassFile = "tlwbtn.class";

} // namespace tb

// Gathers one file reference (a path text of the model, rewritten in place). strDestFolder
// ends with '/'. PointAtCopies copies each source once and points every reference to it at
// the copy; CopyOnly copies over whatever lies in the destination and leaves references alone.
tb::GatherOutcome GatherOne(std::string& strReference, const std::string& strDestFolder,
                            tb::CHandledPaths& handled, tb::GatherMode mode);
