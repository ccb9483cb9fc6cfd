#include "platform/profile/profile.h"

#include <mutex>

#include "platform/core/numfmt.h"
#include "platform/registry/regkey.h"

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
    tb::CRegKey key;
    if (key.Open(HKEY_CURRENT_USER, SectionPath(section)) != ERROR_SUCCESS)
        return false;
    if (RegQueryValueEx(key.Get(), entry, type, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    if (*type == REG_DWORD)
        return RegQueryDword(key.Get(), entry, number) == ERROR_SUCCESS;
    return RegQueryString(key.Get(), entry, text) == ERROR_SUCCESS;
}

template <typename Write> bool WriteEntry(const std::string& section, Write write) {
    tb::CRegKey key;
    return key.Create(HKEY_CURRENT_USER, SectionPath(section)) == ERROR_SUCCESS &&
           write(key.Get()) == ERROR_SUCCESS;
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
