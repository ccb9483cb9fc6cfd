#pragma once
// A fresh temporary folder for one test, removed with everything in it afterwards.

#include <cstddef>
#include <string>

namespace tb::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    // path() + "/" + name
    std::string file(const std::string& name) const;

private:
    std::string m_path;
};

// The number of entries in a folder (files, folders and links alike).
size_t EntriesIn(const std::string& folder);

// Whole-file helpers for fixtures; bytes are kept exactly.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// The program folder of the build (bin/), where modules and resources are laid out.
std::string ProgramDir();
// The source tree's root, for fixtures under tests/data.
std::string SourceDir();

} // namespace tb::test
