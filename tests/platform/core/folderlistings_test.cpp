// Existence answered from folder listings must be the answer a lookup per path gives.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/core/folderlistings.h"
#include "platform/core/paths.h"
#include "tests/support/tempdir.h"

namespace {

using tb::test::TempDir;
using tb::test::WriteFileBytes;

// Enough lookups into one folder that it gets listed.
constexpr int kManyLookups = 40;

TEST(FolderListings, ListedAnswersMatchOneLookupEachForEveryKindOfName) {
    TempDir dir;
    for (int i = 0; i < kManyLookups; ++i)
        WriteFileBytes(dir.file("f" + std::to_string(i) + ".gif"), "x");
    std::filesystem::create_directory(dir.file("sub"));
    std::filesystem::create_symlink(dir.file("f1.gif"), dir.file("link.gif"));
    std::filesystem::create_symlink(dir.file("gone.gif"), dir.file("dangling.gif"));
    std::filesystem::create_directory_symlink(dir.file("sub"), dir.file("sublink"));

    std::vector<std::string> paths;
    for (int i = 0; i < kManyLookups + 5; ++i)
        paths.push_back(dir.file("f" + std::to_string(i) + ".gif")); // the last five missing
    for (const char* name : {"sub", "link.gif", "dangling.gif", "sublink", "F1.GIF", "sub/", ".",
                             "..", "sub/..", "missing/x.gif", "f1.gif/x"})
        paths.push_back(dir.file(name));

    tb::CFolderListings listings;
    for (int pass = 0; pass < 2; ++pass)
        for (const std::string& path : paths)
            EXPECT_EQ(listings.FileExists(path), tb::FileExists(path)) << path;
}

TEST(FolderListings, FilesThatComeOrGoAreSeenByTheNextObject) {
    TempDir dir;
    for (int i = 0; i < kManyLookups; ++i)
        WriteFileBytes(dir.file("f" + std::to_string(i)), "x");
    auto countExisting = [&](tb::CFolderListings& listings) {
        int n = 0;
        for (int i = 0; i < kManyLookups + 1; ++i)
            n += listings.FileExists(dir.file("f" + std::to_string(i))) ? 1 : 0;
        return n;
    };
    tb::CFolderListings first;
    EXPECT_EQ(countExisting(first), kManyLookups);
    WriteFileBytes(dir.file("f" + std::to_string(kManyLookups)), "x");
    std::filesystem::remove(dir.file("f0"));
    tb::CFolderListings second;
    EXPECT_EQ(countExisting(second), kManyLookups);
    EXPECT_FALSE(second.FileExists(dir.file("f0")));
    EXPECT_TRUE(second.FileExists(dir.file("f" + std::to_string(kManyLookups))));
}

TEST(FolderListings, AFolderNeverListedIsLookedUpUnderEveryNameThatReachesIt) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("dest"));
    std::filesystem::create_directory_symlink(dir.file("dest"), dir.file("alias"));
    for (int i = 0; i < kManyLookups; ++i)
        WriteFileBytes(dir.file("dest/f" + std::to_string(i)), "x");

    tb::CFolderListings listings;
    listings.NeverList(dir.file("dest"));
    for (const char* folder : {"dest/", "alias/", "alias/../dest/"})
        for (int i = 0; i < kManyLookups; ++i)
            EXPECT_TRUE(listings.FileExists(dir.file(folder + ("f" + std::to_string(i)))));
    // A file written into it during the pass is found whichever name is asked.
    WriteFileBytes(dir.file("dest/new"), "x");
    EXPECT_TRUE(listings.FileExists(dir.file("alias/new")));
    EXPECT_TRUE(listings.FileExists(dir.file("alias/../dest/new")));
}

} // namespace
