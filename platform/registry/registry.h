#pragma once
// The registry: three per-user hives (HKEY_CLASSES_ROOT, HKEY_LOCAL_MACHINE,
// HKEY_CURRENT_USER), each kept as one .reg-format text file in the registry folder
// ($TALLOWBY_REGISTRY_DIR, else $XDG_CONFIG_HOME/tallowby/registry/). The calls keep the
// names and shapes of the Win32 ones they stand in for. Key names are case-insensitive and
// case-preserving; sub-key paths use '\' as in Win32. Values are REG_SZ strings (UTF-8) or
// REG_DWORD numbers; the empty value name is the key's default value.
//
// Every change is written through at once: the hive is re-read under an exclusive lock,
// changed, written to a temporary file, synced and renamed over the hive, so that two
// processes never lose each other's updates. Reads notice when another process changed the
// file. A hive file that cannot be parsed is never overwritten: calls on it fail with
// ERROR_BADDB and RegLastErrorText() says which file and where.

#include <cstdint>
#include <functional>
#include <string>

using LONG = int32_t;
using DWORD = uint32_t;
using BYTE = uint8_t;

struct RegKey;
using HKEY = RegKey*;

extern HKEY const HKEY_CLASSES_ROOT;
extern HKEY const HKEY_CURRENT_USER;
extern HKEY const HKEY_LOCAL_MACHINE;

constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_ACCESS_DENIED = 5;
constexpr LONG ERROR_INVALID_HANDLE = 6;
constexpr LONG ERROR_INVALID_PARAMETER = 87;
constexpr LONG ERROR_MORE_DATA = 234;
constexpr LONG ERROR_NO_MORE_ITEMS = 259;
constexpr LONG ERROR_BADDB = 1009;
constexpr LONG ERROR_CANTWRITE = 1013;
// A handle whose key was deleted (by this or another process) since it was opened.
constexpr LONG ERROR_KEY_DELETED = 1018;

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_DWORD = 4;

constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// Opens or creates hKey\subKey (every missing level is created). *disposition, when given,
// receives REG_CREATED_NEW_KEY or REG_OPENED_EXISTING_KEY. A key may lie at most 512 levels
// below its hive's root; a deeper one gives ERROR_INVALID_PARAMETER.
LONG RegCreateKeyEx(HKEY hKey, const std::string& subKey, HKEY* result,
                    DWORD* disposition = nullptr);

// Opens an existing key; ERROR_FILE_NOT_FOUND when it does not exist. An empty subKey opens
// hKey itself again.
LONG RegOpenKeyEx(HKEY hKey, const std::string& subKey, HKEY* result);

// Releases a handle from RegCreateKeyEx/RegOpenKeyEx. The predefined roots may be passed and
// are left alone.
LONG RegCloseKey(HKEY hKey);

// Win32 buffer semantics: data may be null to ask for the size. For REG_SZ the size counts
// the terminating zero byte. A buffer too small gives ERROR_MORE_DATA with *cbData set to
// the size needed. A missing value gives ERROR_FILE_NOT_FOUND.
LONG RegQueryValueEx(HKEY hKey, const std::string& valueName, DWORD* type, BYTE* data,
                     DWORD* cbData);

// Stores REG_SZ (data up to the first zero byte, or cbData bytes) or REG_DWORD (4 bytes).
LONG RegSetValueEx(HKEY hKey, const std::string& valueName, DWORD type, const BYTE* data,
                   DWORD cbData);

LONG RegDeleteValue(HKEY hKey, const std::string& valueName);

// The index-th direct sub-key's name (in the order the keys were created), or
// ERROR_NO_MORE_ITEMS past the end.
LONG RegEnumKeyEx(HKEY hKey, DWORD index, std::string* name);

// The index-th value's name, or ERROR_NO_MORE_ITEMS past the end.
LONG RegEnumValue(HKEY hKey, DWORD index, std::string* name);

// Deletes hKey\subKey with its whole subtree (an empty subKey deletes hKey's contents).
LONG RegDeleteTree(HKEY hKey, const std::string& subKey);

// Deletes hKey\subKey only when it has no sub-keys (Win32 RegDeleteKey).
LONG RegDeleteKey(HKEY hKey, const std::string& subKey);

// Typed conveniences over the calls above, for code that does not need Win32 buffers.
LONG RegQueryString(HKEY hKey, const std::string& valueName, std::string* value);
LONG RegSetString(HKEY hKey, const std::string& valueName, const std::string& value);
LONG RegQueryDword(HKEY hKey, const std::string& valueName, DWORD* value);
LONG RegSetDword(HKEY hKey, const std::string& valueName, DWORD value);

// The text of the last failure in this thread (for example why a hive failed to parse).
std::string RegLastErrorText();

namespace tb {
// The folder holding the hive files, as the environment names it.
std::string RegistryFolder();

// Runs fn with every change it makes through the calls above held back and then written at
// once, so that other processes see all of them or none: each hive fn touches is read from
// its file under the registry's file lock, which is kept until every changed hive has been
// written, once each. When fn fails (or one of its calls failed half-way through a change),
// nothing is written and the next access reads the files again. fn's result is returned,
// or the failure to write. A transaction begun inside another joins it.
LONG RunRegistryTransaction(const std::function<LONG()>& fn);
} // namespace tb
