#pragma once
// Per-user settings the page editor keeps for its add-ins, one key per add-in title and
// section: HKEY_CURRENT_USER\Software\Tallowby\Page Editor\Add-in Settings\<app>\<section>.

#include <string>

namespace tb::host {

inline constexpr const char* kAddInSettingsKey = "Software\\Tallowby\\Page Editor\\Add-in Settings";

std::string GetAddInSetting(const std::string& appName, const std::string& section,
                            const std::string& key, const std::string& defaultValue);
// False when a name is empty or the registry could not be written.
bool SaveAddInSetting(const std::string& appName, const std::string& section,
                      const std::string& key, const std::string& value);

} // namespace tb::host
