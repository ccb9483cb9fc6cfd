#pragma once
// The user's own browsers for previews, kept in the profile section "Specify Browser":
// "BrowserNum" counts the slots ever used, "Name<i>" and "Path<i>" hold slot i (from 1),
// both empty once it is freed. A freed slot is reused before a new one is opened, and the
// count never goes down, so that a slot number always means the same entries.

#include <string>

class BrowserList;

namespace tb {

// Adds the browser under name, then reads browsers' specified list again. Says string 112
// for an empty name, string 113 for a name in use (compared exactly: names that differ in
// letter case are two browsers). False when it says so or a write fails.
bool AddSpecifiedBrowser(BrowserList& browsers, const std::string& path, const std::string& name);

// Frees the first slot that holds name, then reads browsers' specified list again. False,
// without a message, when no slot holds it or a write fails.
bool DeleteSpecifiedBrowser(BrowserList& browsers, const std::string& name);

} // namespace tb
