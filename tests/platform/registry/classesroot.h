#pragma once
// One-call helpers on keys of HKEY_CLASSES_ROOT for the registry tests: each opens or
// creates the key, does its one thing and closes the handle again.

#include <string>

#include "platform/registry/regkey.h"

namespace tb::test {

inline LONG CreateClassesKey(const std::string& path) {
    return CRegKey().Create(HKEY_CLASSES_ROOT, path);
}

inline LONG OpenClassesKey(const std::string& path) {
    return CRegKey().Open(HKEY_CLASSES_ROOT, path);
}

inline LONG SetClassesString(const std::string& path, const std::string& name,
                             const std::string& value) {
    CRegKey key;
    LONG rc = key.Create(HKEY_CLASSES_ROOT, path);
    return rc == ERROR_SUCCESS ? RegSetString(key.Get(), name, value) : rc;
}

// The value, or "<none>" when the key or the value is missing.
inline std::string GetClassesString(const std::string& path, const std::string& name) {
    CRegKey key;
    std::string value = "<none>";
    if (key.Open(HKEY_CLASSES_ROOT, path) == ERROR_SUCCESS)
        RegQueryString(key.Get(), name, &value);
    return value;
}

} // namespace tb::test
