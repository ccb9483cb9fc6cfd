#include "platform/registry/registry.h"

#include <cstring>
#include <functional>
#include <mutex>
#include <unordered_set>
#include <vector>

#include "platform/registry/hivefile.h"
#include "platform/registry/hivestore.h"
#include "platform/registry/regtree.h"

using tb::CRegNode;
using tb::RegValue;

// A handle names a key by its hive and path, never by a pointer into a parsed tree, so it
// stays good when the hive is re-read after another process changed it.
struct RegKey {
    int nHive;
    std::vector<std::string> vecPath;
};

namespace {

RegKey g_classesRoot{tb::kHiveClassesRoot, {}};
RegKey g_localMachine{tb::kHiveLocalMachine, {}};
RegKey g_currentUser{tb::kHiveCurrentUser, {}};

std::mutex g_handleMutex;
std::unordered_set<const RegKey*> g_openHandles;

bool IsRoot(HKEY hKey) {
    return hKey == &g_classesRoot || hKey == &g_localMachine || hKey == &g_currentUser;
}

bool IsValidHandle(HKEY hKey) {
    if (IsRoot(hKey))
        return true;
    std::lock_guard<std::mutex> guard(g_handleMutex);
    return hKey && g_openHandles.count(hKey) != 0;
}

LONG Fail(LONG code, std::string text) {
    tb::SetRegistryError(std::move(text));
    return code;
}

std::string KeyText(HKEY hKey, const std::string& subKey = {}) {
    std::string text = tb::HiveRootName(hKey->nHive);
    for (const std::string& part : hKey->vecPath)
        text += '\\' + part;
    if (!subKey.empty())
        text += '\\' + subKey;
    return text;
}

// Splits "a\b\c" into its parts; empty parts (doubled or outer separators) are ignored.
bool SplitSubKey(const std::string& subKey, std::vector<std::string>* parts) {
    size_t start = 0;
    while (start <= subKey.size()) {
        size_t end = subKey.find('\\', start);
        if (end == std::string::npos)
            end = subKey.size();
        std::string part = subKey.substr(start, end - start);
        if (!part.empty()) {
            if (!tb::IsValidKeyName(part))
                return false;
            parts->push_back(std::move(part));
        }
        start = end + 1;
    }
    return true;
}

template <typename Node> Node* Walk(Node* node, const std::vector<std::string>& path) {
    for (const std::string& part : path) {
        if (!node)
            return nullptr;
        node = node->child(part);
    }
    return node;
}

// The node of an open handle, or the code telling why there is none.
template <typename Node> LONG Resolve(Node& root, HKEY hKey, Node** node) {
    *node = Walk(&root, hKey->vecPath);
    if (!*node)
        return Fail(ERROR_KEY_DELETED, KeyText(hKey) + ": the key no longer exists");
    return ERROR_SUCCESS;
}

// The named value of the key an open handle names, or the code telling why there is none.
LONG FindValue(const CRegNode& root, HKEY hKey, const std::string& name, const RegValue** value) {
    const CRegNode* node = nullptr;
    if (LONG r = Resolve(root, hKey, &node); r != ERROR_SUCCESS)
        return r;
    *value = node->value(name);
    if (!*value)
        return Fail(ERROR_FILE_NOT_FOUND, KeyText(hKey) + ": no value \"" + name + "\"");
    return ERROR_SUCCESS;
}

HKEY NewHandle(int hive, std::vector<std::string> path) {
    auto* key = new RegKey{hive, std::move(path)};
    std::lock_guard<std::mutex> guard(g_handleMutex);
    g_openHandles.insert(key);
    return key;
}

// The canonical (stored) spelling of the path below start.
std::vector<std::string> StoredPath(HKEY hKey, const CRegNode* start,
                                    const std::vector<std::string>& parts) {
    std::vector<std::string> path = hKey->vecPath;
    const CRegNode* node = start;
    for (const std::string& part : parts) {
        node = node->child(part);
        path.push_back(node->name());
    }
    return path;
}

LONG SetValue(HKEY hKey, RegValue value) {
    if (!IsValidHandle(hKey))
        return Fail(ERROR_INVALID_HANDLE, "invalid registry handle");
    if (!tb::IsValidValueName(value.strName))
        return Fail(ERROR_INVALID_PARAMETER, "invalid value name");
    return tb::WriteHive(hKey->nHive, [&](CRegNode& root, bool* changed) {
        CRegNode* node = nullptr;
        if (LONG r = Resolve(root, hKey, &node); r != ERROR_SUCCESS)
            return r;
        const RegValue* existing = node->value(value.strName);
        if (existing && existing->sameData(value))
            return ERROR_SUCCESS;
        node->setValue(std::move(value));
        *changed = true;
        return ERROR_SUCCESS;
    });
}

// The checks both key-opening calls make before touching the hive; a bad sub-key name gives
// badNameCode, which the two calls answer differently.
LONG CheckKeyCall(HKEY hKey, const std::string& subKey, HKEY* result, LONG badNameCode,
                  std::vector<std::string>* parts) {
    if (!result)
        return Fail(ERROR_INVALID_PARAMETER, "no place for the result");
    *result = nullptr;
    if (!IsValidHandle(hKey))
        return Fail(ERROR_INVALID_HANDLE, "invalid registry handle");
    if (!SplitSubKey(subKey, parts))
        return Fail(badNameCode, KeyText(hKey, subKey) + ": invalid key name");
    return ERROR_SUCCESS;
}

// The stored path of an existing key below hKey, found without the file lock;
// ERROR_FILE_NOT_FOUND (with no message: the callers word it) when it is not there.
LONG FindKey(HKEY hKey, const std::vector<std::string>& parts, std::vector<std::string>* path) {
    return tb::ReadHive(hKey->nHive, [&](const CRegNode& root) {
        const CRegNode* node = nullptr;
        if (LONG r = Resolve(root, hKey, &node); r != ERROR_SUCCESS)
            return r;
        if (!Walk(node, parts))
            return ERROR_FILE_NOT_FOUND;
        *path = StoredPath(hKey, node, parts);
        return ERROR_SUCCESS;
    });
}

} // namespace

HKEY const HKEY_CLASSES_ROOT = &g_classesRoot;
HKEY const HKEY_CURRENT_USER = &g_currentUser;
HKEY const HKEY_LOCAL_MACHINE = &g_localMachine;

LONG RegCreateKeyEx(HKEY hKey, const std::string& subKey, HKEY* result, DWORD* disposition) {
    std::vector<std::string> parts;
    if (LONG r = CheckKeyCall(hKey, subKey, result, ERROR_INVALID_PARAMETER, &parts);
        r != ERROR_SUCCESS)
        return r;
    if (hKey->vecPath.size() + parts.size() > tb::kMaxKeyDepth)
        return Fail(ERROR_INVALID_PARAMETER, KeyText(hKey, subKey) + ": deeper than the " +
                                                 std::to_string(tb::kMaxKeyDepth) +
                                                 " levels a key may lie below its root");
    std::vector<std::string> path;
    bool created = false;
    // Most calls open a key that is already there: answer those without the file lock.
    LONG r = FindKey(hKey, parts, &path);
    if (r == ERROR_FILE_NOT_FOUND) {
        r = tb::WriteHive(hKey->nHive, [&](CRegNode& root, bool* changed) {
            CRegNode* node = nullptr;
            if (LONG rr = Resolve(root, hKey, &node); rr != ERROR_SUCCESS)
                return rr;
            const CRegNode* start = node;
            for (const std::string& part : parts) {
                bool added = false;
                node = node->addChild(part, &added);
                created = created || added;
            }
            *changed = created;
            path = StoredPath(hKey, start, parts);
            return ERROR_SUCCESS;
        });
    }
    if (r != ERROR_SUCCESS)
        return r;
    if (disposition)
        *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *result = NewHandle(hKey->nHive, std::move(path));
    return ERROR_SUCCESS;
}

LONG RegOpenKeyEx(HKEY hKey, const std::string& subKey, HKEY* result) {
    std::vector<std::string> parts;
    if (LONG r = CheckKeyCall(hKey, subKey, result, ERROR_FILE_NOT_FOUND, &parts);
        r != ERROR_SUCCESS)
        return r;
    std::vector<std::string> path;
    LONG r = FindKey(hKey, parts, &path);
    if (r == ERROR_FILE_NOT_FOUND)
        return Fail(ERROR_FILE_NOT_FOUND, KeyText(hKey, subKey) + ": no such key");
    if (r == ERROR_SUCCESS)
        *result = NewHandle(hKey->nHive, std::move(path));
    return r;
}

LONG RegCloseKey(HKEY hKey) {
    if (IsRoot(hKey))
        return ERROR_SUCCESS;
    {
        std::lock_guard<std::mutex> guard(g_handleMutex);
        if (!hKey || g_openHandles.erase(hKey) == 0)
            return Fail(ERROR_INVALID_HANDLE, "invalid registry handle");
    }
    delete hKey;
    return ERROR_SUCCESS;
}

LONG RegQueryValueEx(HKEY hKey, const std::string& valueName, DWORD* type, BYTE* data,
                     DWORD* cbData) {
    if (!IsValidHandle(hKey))
        return Fail(ERROR_INVALID_HANDLE, "invalid registry handle");
    if (data && !cbData)
        return Fail(ERROR_INVALID_PARAMETER, "a buffer without its size");
    return tb::ReadHive(hKey->nHive, [&](const CRegNode& root) {
        const RegValue* value = nullptr;
        if (LONG r = FindValue(root, hKey, valueName, &value); r != ERROR_SUCCESS)
            return r;
        if (type)
            *type = value->dwType;
        DWORD needed =
            value->dwType == REG_DWORD ? 4 : static_cast<DWORD>(value->strText.size() + 1);
        if (!cbData)
            return ERROR_SUCCESS;
        DWORD room = *cbData;
        *cbData = needed;
        if (!data)
            return ERROR_SUCCESS;
        if (room < needed)
            return Fail(ERROR_MORE_DATA,
                        KeyText(hKey) + ": value \"" + valueName + "\" is larger than the buffer");
        if (value->dwType == REG_DWORD)
            std::memcpy(data, &value->dwNumber, 4);
        else
            std::memcpy(data, value->strText.c_str(), needed);
        return ERROR_SUCCESS;
    });
}

LONG RegSetValueEx(HKEY hKey, const std::string& valueName, DWORD type, const BYTE* data,
                   DWORD cbData) {
    RegValue value;
    value.strName = valueName;
    value.dwType = type;
    if (type == REG_SZ) {
        if (data) {
            const char* text = reinterpret_cast<const char*>(data);
            value.strText.assign(text, strnlen(text, cbData));
        }
    } else if (type == REG_DWORD) {
        if (!data || cbData < 4)
            return Fail(ERROR_INVALID_PARAMETER, "a REG_DWORD needs 4 bytes");
        std::memcpy(&value.dwNumber, data, 4);
    } else {
        return Fail(ERROR_INVALID_PARAMETER, "only REG_SZ and REG_DWORD values are kept");
    }
    return SetValue(hKey, std::move(value));
}

LONG RegDeleteValue(HKEY hKey, const std::string& valueName) {
    if (!IsValidHandle(hKey))
        return Fail(ERROR_INVALID_HANDLE, "invalid registry handle");
    return tb::WriteHive(hKey->nHive, [&](CRegNode& root, bool* changed) {
        CRegNode* node = nullptr;
        if (LONG r = Resolve(root, hKey, &node); r != ERROR_SUCCESS)
            return r;
        if (!node->removeValue(valueName))
            return Fail(ERROR_FILE_NOT_FOUND, KeyText(hKey) + ": no value \"" + valueName + "\"");
        *changed = true;
        return ERROR_SUCCESS;
    });
}

namespace {

// The index-th name a key lists, where count and nameAt say which list: its keys or its values.
template <typename Count, typename NameAt>
LONG EnumName(HKEY hKey, DWORD index, std::string* name, Count count, NameAt nameAt) {
    if (!IsValidHandle(hKey))
        return Fail(ERROR_INVALID_HANDLE, "invalid registry handle");
    if (!name)
        return Fail(ERROR_INVALID_PARAMETER, "no place for the name");
    return tb::ReadHive(hKey->nHive, [&](const CRegNode& root) {
        const CRegNode* node = nullptr;
        if (LONG r = Resolve(root, hKey, &node); r != ERROR_SUCCESS)
            return r;
        if (index >= count(*node))
            return ERROR_NO_MORE_ITEMS;
        *name = nameAt(*node, index);
        return ERROR_SUCCESS;
    });
}

} // namespace

LONG RegEnumKeyEx(HKEY hKey, DWORD index, std::string* name) {
    return EnumName(
        hKey, index, name, [](const CRegNode& node) { return node.childCount(); },
        [](const CRegNode& node, DWORD i) { return node.childAt(i).name(); });
}

LONG RegEnumValue(HKEY hKey, DWORD index, std::string* name) {
    return EnumName(
        hKey, index, name, [](const CRegNode& node) { return node.valueCount(); },
        [](const CRegNode& node, DWORD i) { return node.valueAt(i).strName; });
}

namespace {

// Deletes hKey\subKey (or, with an empty subKey, empties hKey or deletes hKey itself).
LONG DeleteKey(HKEY hKey, const std::string& subKey, bool wholeTree) {
    if (!IsValidHandle(hKey))
        return Fail(ERROR_INVALID_HANDLE, "invalid registry handle");
    std::vector<std::string> parts;
    if (!SplitSubKey(subKey, &parts))
        return Fail(ERROR_FILE_NOT_FOUND, KeyText(hKey, subKey) + ": invalid key name");
    return tb::WriteHive(hKey->nHive, [&](CRegNode& root, bool* changed) {
        CRegNode* node = nullptr;
        if (LONG r = Resolve(root, hKey, &node); r != ERROR_SUCCESS)
            return r;
        if (parts.empty() && wholeTree) {
            *changed = !node->empty();
            node->clear();
            return ERROR_SUCCESS;
        }
        std::vector<std::string> full = hKey->vecPath;
        full.insert(full.end(), parts.begin(), parts.end());
        if (full.empty())
            return Fail(ERROR_ACCESS_DENIED, "a hive's root cannot be deleted");
        CRegNode* target = Walk(&root, full);
        if (!target)
            return Fail(ERROR_FILE_NOT_FOUND, KeyText(hKey, subKey) + ": no such key");
        if (!wholeTree && target->childCount() > 0)
            return Fail(ERROR_ACCESS_DENIED, KeyText(hKey, subKey) + ": the key has sub-keys");
        std::string last = full.back();
        full.pop_back();
        Walk(&root, full)->removeChild(last);
        *changed = true;
        return ERROR_SUCCESS;
    });
}

} // namespace

LONG RegDeleteTree(HKEY hKey, const std::string& subKey) {
    return DeleteKey(hKey, subKey, true);
}

LONG RegDeleteKey(HKEY hKey, const std::string& subKey) {
    return DeleteKey(hKey, subKey, false);
}

namespace {

// One value of the given type, type and data taken from one read of the hive so that
// another process cannot change the value between.
LONG QueryTypedValue(HKEY hKey, const std::string& valueName, DWORD dwType, const char* pszTypeWord,
                     const std::function<void(const RegValue&)>& take) {
    if (!IsValidHandle(hKey))
        return Fail(ERROR_INVALID_HANDLE, "invalid registry handle");
    return tb::ReadHive(hKey->nHive, [&](const CRegNode& root) {
        const RegValue* found = nullptr;
        if (LONG r = FindValue(root, hKey, valueName, &found); r != ERROR_SUCCESS)
            return r;
        if (found->dwType != dwType)
            return Fail(ERROR_INVALID_PARAMETER,
                        KeyText(hKey) + ": \"" + valueName + "\" is not " + pszTypeWord);
        take(*found);
        return ERROR_SUCCESS;
    });
}

} // namespace

LONG RegQueryString(HKEY hKey, const std::string& valueName, std::string* value) {
    if (!value)
        return Fail(ERROR_INVALID_PARAMETER, "no place for the value");
    return QueryTypedValue(hKey, valueName, REG_SZ, "a string",
                           [value](const RegValue& found) { *value = found.strText; });
}

LONG RegSetString(HKEY hKey, const std::string& valueName, const std::string& value) {
    RegValue stored;
    stored.strName = valueName;
    stored.dwType = REG_SZ;
    stored.strText = value.substr(0, value.find('\0'));
    return SetValue(hKey, std::move(stored));
}

LONG RegQueryDword(HKEY hKey, const std::string& valueName, DWORD* value) {
    if (!value)
        return Fail(ERROR_INVALID_PARAMETER, "no place for the value");
    return QueryTypedValue(hKey, valueName, REG_DWORD, "a dword",
                           [value](const RegValue& found) { *value = found.dwNumber; });
}

LONG RegSetDword(HKEY hKey, const std::string& valueName, DWORD value) {
    RegValue stored;
    stored.strName = valueName;
    stored.dwType = REG_DWORD;
    stored.dwNumber = value;
    return SetValue(hKey, std::move(stored));
}

std::string RegLastErrorText() {
    return tb::RegistryErrorText();
}
