#include "component/browserlist.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/asciitext.h"
#include "platform/core/numfmt.h"
#include "platform/core/paths.h"
#include "platform/profile/profile.h"
#include "platform/registry/regkey.h"

namespace {

const char kAppPaths[] = "SOFTWARE\\Microsoft\\windows\\CurrentVersion\\App Paths\\";
const char kNavigator[] = "SOFTWARE\\Netscape\\Netscape Navigator";
const char kNetscapeProgram[] = "/Program/Netscape.exe";
const char kEmpty[] = "empty";
const char kSection[] = "Specify Browser";

// A value as the browser detection reads it: through a 512-byte buffer, so a missing key or
// value, a value that is not text, or one too long for the buffer all read as "".
std::string ReadRegistry(HKEY root, const std::string& keyName, const std::string& valueName) {
    tb::CRegKey key;
    if (key.Open(root, keyName) != ERROR_SUCCESS)
        return {};
    char buffer[512] = {};
    DWORD size = sizeof buffer;
    DWORD type = REG_NONE;
    LONG result =
        RegQueryValueEx(key.Get(), valueName, &type, reinterpret_cast<BYTE*>(buffer), &size);
    if (result != ERROR_SUCCESS || type != REG_SZ)
        return {};
    return std::string(buffer, strnlen(buffer, sizeof buffer));
}

std::string NetscapeInstall(const std::string& versionKey) {
    std::string folder =
        ReadRegistry(HKEY_LOCAL_MACHINE, std::string(kNavigator) + "\\" + versionKey + "\\Main",
                     "Install Directory");
    return folder.empty() ? kEmpty : folder + kNetscapeProgram;
}

// The version text before the character preceding the first "(", without trailing blanks:
// "4.7 (en)" gives "4.7"; a text without "(" gives "".
std::string VersionBeforeParenthesis(const std::string& currentVersion) {
    size_t open = currentVersion.find('(');
    if (open == std::string::npos || open == 0)
        return {};
    std::string version = currentVersion.substr(0, open - 1);
    while (!version.empty() && version.back() == ' ')
        version.pop_back();
    return version;
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

} // namespace

namespace tb {

int BrowserSlotOfEntry(const std::string& entry, std::string_view prefix) {
    const size_t nDigits = entry.size() - std::min(entry.size(), prefix.size());
    if (nDigits < 1 || nDigits > 10 || !StartsWithNoCase(entry, prefix) ||
        entry[prefix.size()] == '0')
        return 0;
    long long slot = 0;
    for (size_t i = prefix.size(); i < entry.size(); ++i) {
        if (entry[i] < '0' || entry[i] > '9')
            return 0;
        slot = slot * 10 + (entry[i] - '0');
    }
    return slot > 0x7FFFFFFF ? 0 : static_cast<int>(slot);
}

std::string FindOnSearchPath(const std::string& program, const std::string& searchPath) {
    if (program.empty() || program.find('/') != std::string::npos)
        return {};
    size_t start = 0;
    while (start <= searchPath.size()) {
        size_t end = searchPath.find(':', start);
        if (end == std::string::npos)
            end = searchPath.size();
        std::string folder = searchPath.substr(start, end - start);
        start = end + 1;
        // Relative entries (and the empty one, meaning the working folder) would make the
        // result depend on where the program was started from.
        if (folder.empty() || folder.front() != '/')
            continue;
        std::string candidate = JoinPath(folder, program);
        if (FileExists(candidate) && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

} // namespace tb

BrowserList::BrowserList()
    : BrowserList([](const std::string& program) {
          const char* path = std::getenv("PATH");
          return tb::FindOnSearchPath(program, path ? path : "");
      }) {}

BrowserList::BrowserList(ProgramLookup findProgram) : m_findProgram(std::move(findProgram)) {
    detectKnown();
    rereadSpecified();
    detectOnSearchPath();
}

std::string BrowserList::knownName(int i) const {
    return i >= 0 && i < knownCount() ? m_knownNames[static_cast<size_t>(i)] : std::string();
}

std::string BrowserList::knownPath(int i) const {
    return i >= 0 && i < knownCount() ? m_knownPaths[static_cast<size_t>(i)] : std::string();
}

std::string BrowserList::specifiedName(int j) const {
    return j >= 0 && j < specifiedCount() ? m_specifiedNames[static_cast<size_t>(j)]
                                          : std::string();
}

std::string BrowserList::specifiedPath(int j) const {
    return j >= 0 && j < specifiedCount() ? m_specifiedPaths[static_cast<size_t>(j)]
                                          : std::string();
}

void BrowserList::appendKnown(const std::string& path, const std::string& name) {
    m_knownPaths.push_back(path);
    m_knownNames.push_back(name);
}

void BrowserList::detectKnown() {
    std::string explorer =
        ReadRegistry(HKEY_LOCAL_MACHINE, std::string(kAppPaths) + "IEXPLORE.EXE", "");
    if (!explorer.empty())
        appendKnown(explorer, "Internet Explorer");

    for (int d = 0; d <= 9; ++d)
        m_netscape4x[static_cast<size_t>(d)] = NetscapeInstall("4." + tb::FormatInt(d) + " (en)");
    for (int d = 1; d <= 9; ++d)
        m_netscape40x[static_cast<size_t>(d - 1)] =
            NetscapeInstall("4.0" + tb::FormatInt(d) + " (en)");

    std::string currentVersion = ReadRegistry(HKEY_LOCAL_MACHINE, kNavigator, "CurrentVersion");
    if (!currentVersion.empty()) {
        std::string path = ReadRegistry(HKEY_LOCAL_MACHINE,
                                        std::string(kNavigator) + "\\" + currentVersion + "\\Main",
                                        "Install Directory") +
                           kNetscapeProgram;
        m_strCurrentNetscapeVersion = VersionBeforeParenthesis(currentVersion);
        appendKnown(path, "Netscape Communicator " + m_strCurrentNetscapeVersion);
    }
    for (int d = 0; d <= 9; ++d) {
        std::string version = "4." + tb::FormatInt(d);
        if (m_netscape4x[static_cast<size_t>(d)] != kEmpty &&
            version != m_strCurrentNetscapeVersion)
            appendKnown(m_netscape4x[static_cast<size_t>(d)], "Netscape Communicator " + version);
    }
    for (int d = 1; d <= 9; ++d) {
        std::string version = "4.0" + tb::FormatInt(d);
        if (m_netscape40x[static_cast<size_t>(d - 1)] != kEmpty &&
            version != m_strCurrentNetscapeVersion)
            appendKnown(m_netscape40x[static_cast<size_t>(d - 1)],
                        "Netscape Communicator " + version);
    }

    std::string navigatorMain = std::string(kNavigator) + "\\Main";
    std::string folder3 = ReadRegistry(HKEY_CURRENT_USER, navigatorMain, "Install Directory");
    std::string mozilla = ReadRegistry(HKEY_CURRENT_USER, navigatorMain, "Mozilla");
    if (!folder3.empty() && mozilla.find("3.0") != std::string::npos) {
        std::string path = folder3 + kNetscapeProgram;
        if (tb::FileExists(path))
            appendKnown(path, "Netscape Navigator 3");
    }

    std::string opera = ReadRegistry(HKEY_LOCAL_MACHINE, std::string(kAppPaths) + "Opera.EXE", "");
    if (!opera.empty())
        appendKnown(opera, "Opera");
    std::string hotJava =
        ReadRegistry(HKEY_LOCAL_MACHINE, std::string(kAppPaths) + "HotJava.EXE", "");
    if (!hotJava.empty())
        appendKnown(hotJava, "HotJava");
}

void BrowserList::detectOnSearchPath() {
    struct Product {
        const char* name;
        std::vector<const char*> programs;
    };
    static const Product kProducts[] = {
        {"Firefox", {"firefox"}},
        {"Chromium", {"chromium", "chromium-browser"}},
        {"Google Chrome", {"google-chrome", "google-chrome-stable"}},
        {"Epiphany", {"epiphany", "epiphany-browser"}},
        {"Konqueror", {"konqueror"}},
        {"Opera", {"opera"}},
    };
    if (!m_findProgram)
        return;
    for (const Product& product : kProducts) {
        for (const char* program : product.programs) {
            std::string path = m_findProgram(program);
            if (path.empty())
                continue;
            bool listed = std::any_of(
                m_knownPaths.begin(), m_knownPaths.end(),
                [&](const std::string& known) { return known == path || SameFile(known, path); });
            if (!listed)
                appendKnown(path, product.name);
            break;
        }
    }
}

void BrowserList::rereadSpecified() {
    m_specifiedPaths.clear();
    m_specifiedNames.clear();
    int n = tb::AtoI(GetProfileString(kSection, "BrowserNum"));
    if (n <= 0)
        return;
    // Only the slots that hold a path can count, so visit those instead of every number up
    // to "BrowserNum": a damaged count in the billions must not stall the program.
    std::vector<int> slots;
    {
        tb::CRegKey key;
        if (key.Open(HKEY_CURRENT_USER, tb::ProfileKeyPath() + "\\" + kSection) != ERROR_SUCCESS)
            return;
        std::string name;
        for (DWORD i = 0; RegEnumValue(key.Get(), i, &name) == ERROR_SUCCESS; ++i) {
            int slot = tb::BrowserSlotOfEntry(name, "Path");
            if (slot >= 1 && slot <= n)
                slots.push_back(slot);
        }
    }
    std::sort(slots.begin(), slots.end());
    for (int slot : slots) {
        std::string path = GetProfileString(kSection, "Path" + tb::FormatInt(slot));
        std::string browserName = GetProfileString(kSection, "Name" + tb::FormatInt(slot));
        if (!path.empty() && !browserName.empty()) {
            m_specifiedPaths.push_back(path);
            m_specifiedNames.push_back(browserName);
        }
    }
}
