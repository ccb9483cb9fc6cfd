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

TEST(Paths, JoinsWithOneSeparator) {
    EXPECT_EQ(JoinPath("/a/", "b"), "/a/b");
    EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
    EXPECT_EQ(JoinPath("", "b"), "b");
    EXPECT_EQ(ToNativeSeparators("a\\b\\c"), "a/b/c");
}
