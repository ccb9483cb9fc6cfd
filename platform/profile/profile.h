#pragma once
// Per-user settings as sections and entries: entry <entry> of section <section> is the value
// <entry> of HKEY_CURRENT_USER\Software\<company>\<application>\<section>. Integers are
// stored as REG_DWORD; a decimal REG_SZ reads as an integer too, as settings written as
// text (for example "BrowserNum") must.

#include <string>

namespace tb {

// The company key and application name; "Tallowby" and "Ambrel Brisko" until changed.
void SetProfileKey(const std::string& company, const std::string& application);
// "Software\<company>\<application>", relative to HKEY_CURRENT_USER.
std::string ProfileKeyPath();

} // namespace tb

// The value, or nDefault when the entry is missing. A string entry is read with C atoi
// rules (so text that is not a number gives 0).
int GetProfileInt(const std::string& section, const std::string& entry, int nDefault);

// The text, or strDefault when the entry is missing; a REG_DWORD reads as decimal text.
std::string GetProfileString(const std::string& section, const std::string& entry,
                             const std::string& strDefault = {});

// Creates the section as needed. False when the registry could not be written.
bool WriteProfileInt(const std::string& section, const std::string& entry, int nValue);
bool WriteProfileString(const std::string& section, const std::string& entry,
                        const std::string& value);
