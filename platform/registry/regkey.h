#pragma once
// An open registry key that is closed when its holder goes, so no path out of a function can
// leak a handle.

#include <string>

#include "platform/registry/registry.h"

namespace tb {

class CRegKey {
public:
    CRegKey() = default;
    ~CRegKey() { Close(); }
    CRegKey(CRegKey&& other) noexcept : m_hKey(other.m_hKey) { other.m_hKey = nullptr; }
    CRegKey& operator=(CRegKey&& other) noexcept;
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    // RegOpenKeyEx and RegCreateKeyEx into this holder, which first closes what it held. On
    // failure the holder stays empty.
    LONG Open(HKEY hParent, const std::string& subKey);
    LONG Create(HKEY hParent, const std::string& subKey, DWORD* disposition = nullptr);

    HKEY Get() const { return m_hKey; }
    bool IsOpen() const { return m_hKey != nullptr; }
    void Close();

private:
    HKEY m_hKey = nullptr;
};

} // namespace tb
