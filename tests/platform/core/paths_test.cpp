#include <gtest/gtest.h>

#include "platform/core/paths.h"

using namespace tb;

TEST(Paths, SplitAtEitherSeparator) {
    EXPECT_EQ(FileNamePart("C:\\site\\img\\a.gif"), "a.gif");
    EXPECT_EQ(FolderPart("C:\\site\\img\\a.gif"), "C:\\site\\img\\");
    EXPECT_EQ(FileNamePart("/home/u/w.tsq"), "w.tsq");
    EXPECT_EQ(FolderPart("/home/u/w.tsq"), "/home/u/");
    EXPECT_EQ(FolderWithoutSeparator("/home/u/w.tsq"), "/home/u");
    EXPECT_EQ(FolderPart("w.tsq"), "");
    EXPECT_EQ(FileNamePart("w.tsq"), "w.tsq");
    EXPECT_EQ(FileNamePart("mixed/dir\\f.wav"), "f.wav");
}

TEST(Paths, SplitANameAtItsLastDotOnly) {
    EXPECT_EQ(FileTitleView("/site/page.html"), "page");
    EXPECT_EQ(ExtensionView("/site/page.html"), ".html");
    // A dot in a folder name is no extension of the file.
    EXPECT_EQ(FileTitleView("/my.site/README"), "README");
    EXPECT_EQ(ExtensionView("/my.site/README"), "");
    EXPECT_EQ(FileTitleView("C:\\w\\a.b.tsq"), "a.b");
    EXPECT_EQ(ExtensionView("C:\\w\\a.b.tsq"), ".tsq");
    EXPECT_EQ(FileTitleView("trailing."), "trailing");
    EXPECT_EQ(ExtensionView("trailing."), ".");
}

TEST(Paths, JoinsWithOneSeparator) {
    EXPECT_EQ(JoinPath("/a/", "b"), "/a/b");
    EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
    EXPECT_EQ(JoinPath("", "b"), "b");
    EXPECT_EQ(ToNativeSeparators("a\\b\\c"), "a/b/c");
}
