#pragma once
// The three hives of this process, each kept in step with its file. Every access takes the
// process-wide registry mutex; a change also takes the folder's advisory file lock, re-reads
// the hive from disk, applies the change and replaces the file atomically.

#include <functional>
#include <string>

#include "platform/registry/regtree.h"

namespace tb {

enum RegHive { kHiveClassesRoot, kHiveLocalMachine, kHiveCurrentUser, kHiveCount };

// "HKEY_CLASSES_ROOT" ...; the file is that name + ".reg".
const std::string& HiveRootName(int hive);

// Runs fn on the hive's current tree (re-read first when the file changed on disk).
LONG ReadHive(int hive, const std::function<LONG(const CRegNode& root)>& fn);

// Runs fn on the freshly re-read tree under the file lock. When fn succeeds and sets
// *changed, the hive is written back before the lock is released.
LONG WriteHive(int hive, const std::function<LONG(CRegNode& root, bool* changed)>& fn);

// The thread's last registry failure text (RegLastErrorText).
void SetRegistryError(std::string text);
const std::string& RegistryErrorText();

} // namespace tb
