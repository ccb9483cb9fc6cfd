#pragma once
// The per-user folders the programs write into at run time. An installed program folder is
// read-only and shared by every user, so scratch pages and work files go under the user's
// cache folder instead, each run in a private folder of its own.

#include <string>

namespace tb {

// $XDG_CACHE_HOME/ambrel-brisko, with ~/.cache standing in for an unset or relative
// $XDG_CACHE_HOME; "" when there is no home either.
std::string UserCacheFolder();

// $XDG_DATA_HOME/ambrel-brisko, with ~/.local/share standing in as above: where the user's
// own lasting files (templates) go; "" when there is no home either.
std::string UserDataFolder();

// Creates a fresh folder only this user may enter, named prefix followed by six random
// characters: in UserCacheFolder() (made as needed), else in the temporary folder ($TMPDIR
// or /tmp) with "ambrel-brisko-" before the prefix. Without a trailing separator; "" when
// neither could be made.
std::string MakePrivateFolder(const std::string& prefix);

} // namespace tb
