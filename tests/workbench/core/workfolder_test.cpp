// The work folder: private to the run, under the user's cache, gone at exit unless a folder
// inside keeps it.

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "platform/core/paths.h"
#include "platform/core/userfolders.h"
#include "tests/support/tempdir.h"
#include "workbench/core/workfolder.h"

using namespace tb;
using namespace tb::test;

TEST(WorkFolder, IsMadeOnFirstUseUnderTheCacheAndPrivate) {
    CWorkFolder first;
    EXPECT_FALSE(first.Exists());
    const std::string path = first.Path();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.rfind(UserCacheFolder() + "/workbench-", 0), 0u) << path;
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(first.Path(), path);
    // A second workbench never shares it.
    CWorkFolder second;
    EXPECT_NE(second.Path(), path);
    first.RemoveFiles();
    second.RemoveFiles();
}

TEST(WorkFolder, ExitRemovesItsFilesAndTheFolder) {
    CWorkFolder folder;
    const std::string path = folder.Path();
    WriteFileBytes(path + "/preview.htm", "<HTML>");
    WriteFileBytes(path + "/preview.tsq", "x");
    WriteFileBytes(path + "/no-extension", "x");
    folder.RemoveFiles();
    EXPECT_FALSE(DirectoryExists(path));
}

TEST(WorkFolder, AFolderInsideKeepsItAndWhatLinksPointAtStays) {
    TempDir elsewhere;
    WriteFileBytes(elsewhere.file("precious.gif"), "GIF");
    CWorkFolder folder;
    const std::string path = folder.Path();
    std::filesystem::create_directory(path + "/sub");
    WriteFileBytes(path + "/sub/inner.htm", "x");
    WriteFileBytes(path + "/preview.htm", "x");
    std::filesystem::create_symlink(elsewhere.file("precious.gif"), path + "/link.gif");
    std::filesystem::create_directory_symlink(elsewhere.path(), path + "/linkdir");
    folder.RemoveFiles();
    EXPECT_TRUE(DirectoryExists(path));
    EXPECT_FALSE(FileExists(path + "/preview.htm"));
    EXPECT_FALSE(std::filesystem::is_symlink(path + "/link.gif"));
    EXPECT_FALSE(std::filesystem::is_symlink(path + "/linkdir"));
    EXPECT_TRUE(FileExists(path + "/sub/inner.htm"));
    EXPECT_EQ(ReadFileBytes(elsewhere.file("precious.gif")), "GIF");
    std::filesystem::remove_all(path);
}

TEST(WorkFolder, NeverUsedLeavesNothingToRemove) {
    CWorkFolder folder;
    folder.RemoveFiles();
    EXPECT_FALSE(folder.Exists());
}
