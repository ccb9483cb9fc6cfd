#include "platform/registry/regkey.h"

namespace tb {

CRegKey& CRegKey::operator=(CRegKey&& other) noexcept {
    if (this != &other) {
        Close();
        m_hKey = other.m_hKey;
        other.m_hKey = nullptr;
    }
    return *this;
}

LONG CRegKey::Open(HKEY hParent, const std::string& subKey) {
    Close();
    HKEY hKey = nullptr;
    const LONG rc = RegOpenKeyEx(hParent, subKey, &hKey);
    if (rc == ERROR_SUCCESS)
        m_hKey = hKey;
    return rc;
}

LONG CRegKey::Create(HKEY hParent, const std::string& subKey, DWORD* disposition) {
    Close();
    HKEY hKey = nullptr;
    const LONG rc = RegCreateKeyEx(hParent, subKey, &hKey, disposition);
    if (rc == ERROR_SUCCESS)
        m_hKey = hKey;
    return rc;
}

void CRegKey::Close() {
    if (m_hKey)
        RegCloseKey(m_hKey);
    m_hKey = nullptr;
}

} // namespace tb
