#include "addin/host/addinsettings.h"

#include "platform/registry/registry.h"
#include "platform/registry/regkey.h"

namespace tb::host {

namespace {

std::string SectionKey(const std::string& appName, const std::string& section) {
    return std::string(kAddInSettingsKey) + "\\" + appName + "\\" + section;
}

} // namespace

std::string GetAddInSetting(const std::string& appName, const std::string& section,
                            const std::string& key, const std::string& defaultValue) {
    CRegKey hKey;
    if (appName.empty() || section.empty() ||
        hKey.Open(HKEY_CURRENT_USER, SectionKey(appName, section)) != ERROR_SUCCESS)
        return defaultValue;
    std::string value;
    return RegQueryString(hKey.Get(), key, &value) == ERROR_SUCCESS ? value : defaultValue;
}

bool SaveAddInSetting(const std::string& appName, const std::string& section,
                      const std::string& key, const std::string& value) {
    CRegKey hKey;
    if (appName.empty() || section.empty() || key.empty() ||
        hKey.Create(HKEY_CURRENT_USER, SectionKey(appName, section)) != ERROR_SUCCESS)
        return false;
    return RegSetString(hKey.Get(), key, value) == ERROR_SUCCESS;
}

} // namespace tb::host
