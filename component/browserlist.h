#pragma once
// The web browsers a preview can be opened in: the known products found on this machine,
// and the browsers the user named in the settings (section "Specify Browser").
//
// Known browsers are looked for first where the registry records them (App Paths and the
// Netscape keys), then as programs on the search path, since a desktop here records its
// browsers nowhere else.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class BrowserList {
public:
    // Full path of a program name, or "" when it is not found.
    using ProgramLookup = std::function<std::string(const std::string& program)>;

    // Looks programs up on $PATH.
    BrowserList();
    explicit BrowserList(ProgramLookup findProgram);

    int knownCount() const { return static_cast<int>(m_knownPaths.size()); }
    std::string knownName(int i) const;
    std::string knownPath(int i) const;

    int specifiedCount() const { return static_cast<int>(m_specifiedPaths.size()); }
    std::string specifiedName(int j) const;
    std::string specifiedPath(int j) const;

    // Reads the specified browsers again (after the settings changed); the known ones stay.
    void rereadSpecified();

    const std::string& currentNetscapeVersion() const { return m_strCurrentNetscapeVersion; }
    // Program path of Netscape 4.d / 4.0(d+1), or "empty".
    const std::string& netscape4x(int d) const { return m_netscape4x.at(d); }
    const std::string& netscape40x(int d) const { return m_netscape40x.at(d); }

private:
    void detectKnown();
    void detectOnSearchPath();
    void appendKnown(const std::string& path, const std::string& name);

    ProgramLookup m_findProgram;
    std::vector<std::string> m_knownPaths;
    std::vector<std::string> m_knownNames;
    std::vector<std::string> m_specifiedPaths;
    std::vector<std::string> m_specifiedNames;
    std::string m_strCurrentNetscapeVersion;
    std::array<std::string, 10> m_netscape4x;
    std::array<std::string, 9> m_netscape40x;
};

namespace tb {

// The slot of a settings entry named prefix and a decimal number without a leading zero
// ("Path12" is slot 12 of "Path"; letter case does not matter), or 0.
int BrowserSlotOfEntry(const std::string& entry, std::string_view prefix);

// The first executable regular file named program in the ':'-separated folders of
// searchPath (absolute folders only), or "".
std::string FindOnSearchPath(const std::string& program, const std::string& searchPath);

} // namespace tb
