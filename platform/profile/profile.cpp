#include "platform/profile/profile.h"

#include <mutex>

#include "platform/core/numfmt.h"
#include "platform/registry/registry.h"

namespace {

std::mutex g_keyMutex;
std::string g_strCompany = "Tallowby";
std::string g_strApplication = "Ambrel Brisko";

std::string SectionPath(const std::string& section) {
    return tb::ProfileKeyPath() + "\\" + section;
}

// Reads one entry; false when the section or the entry is missing or unreadable.
bool ReadEntry(const std::string& section, const std::string& entry, DWORD* type, std::string* text,
               DWORD* number) {
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, SectionPath(section), &key) != ERROR_SUCCESS)
        return false;
    bool found = RegQueryValueEx(key, entry, type, nullptr, nullptr) == ERROR_SUCCESS;
    if (found && *type == REG_DWORD)
        found = RegQueryDword(key, entry, number) == ERROR_SUCCESS;
    else if (found)
        found = RegQueryString(key, entry, text) == ERROR_SUCCESS;
    RegCloseKey(key);
    return found;
}

template <typename Write> bool WriteEntry(const std::string& section, Write write) {
    HKEY key = nullptr;
    if (RegCreateKeyEx(HKEY_CURRENT_USER, SectionPath(section), &key) != ERROR_SUCCESS)
        return false;
    bool ok = write(key) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

} // namespace

namespace tb {

void SetProfileKey(const std::string& company, const std::string& application) {
    std::lock_guard<std::mutex> guard(g_keyMutex);
    g_strCompany = company;
    g_strApplication = application;
}

std::string ProfileKeyPath() {
    std::lock_guard<std::mutex> guard(g_keyMutex);
    return "Software\\" + g_strCompany + "\\" + g_strApplication;
}

} // namespace tb

int GetProfileInt(const std::string& section, const std::string& entry, int nDefault) {
    DWORD type = REG_NONE;
    std::string text;
    DWORD number = 0;
    if (!ReadEntry(section, entry, &type, &text, &number))
        return nDefault;
    return type == REG_DWORD ? static_cast<int>(number) : tb::AtoI(text);
}

std::string GetProfileString(const std::string& section, const std::string& entry,
                             const std::string& strDefault) {
    DWORD type = REG_NONE;
    std::string text;
    DWORD number = 0;
    if (!ReadEntry(section, entry, &type, &text, &number))
        return strDefault;
    return type == REG_DWORD ? tb::FormatInt(static_cast<int>(number)) : text;
}

bool WriteProfileInt(const std::string& section, const std::string& entry, int nValue) {
    return WriteEntry(
        section, [&](HKEY key) { return RegSetDword(key, entry, static_cast<DWORD>(nValue)); });
}

bool WriteProfileString(const std::string& section, const std::string& entry,
                        const std::string& value) {
    return WriteEntry(section, [&](HKEY key) { return RegSetString(key, entry, value); });
}
