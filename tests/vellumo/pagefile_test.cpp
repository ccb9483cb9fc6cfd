// Reading and writing page files: the character set a page is read in, and saving that
// never leaves a page half-written.

#include <gtest/gtest.h>

#include "tests/support/tempdir.h"
#include "vellumo/pagefile.h"

using namespace tb::vellumo;

namespace {

TEST(PageFile, CharsetComesFromTheMarkThenTheMetaDeclarationThenTheBytes) {
    EXPECT_EQ(DetectCharset("\xEF\xBB\xBF<meta charset=\"iso-8859-1\">"), "UTF-8");
    EXPECT_EQ(DetectCharset("<html><head><META HTTP-EQUIV=\"Content-Type\" "
                            "CONTENT=\"text/html; charset=windows-1252\">"),
              "windows-1252");
    EXPECT_EQ(DetectCharset("<meta charset='gb2312'><p>x"), "gb2312");
    EXPECT_EQ(DetectCharset("<p>Caf\xC3\xA9</p>"), "UTF-8");
    EXPECT_EQ(DetectCharset("<p>Caf\xE9</p>"), "windows-1252");
    // A declaration past the first 1024 bytes is not seen, as browsers do not see it.
    EXPECT_EQ(DetectCharset(std::string(1100, ' ') + "<meta charset=\"koi8-r\">"), "UTF-8");
}

TEST(PageFile, Utf8CheckRejectsTruncatedAndOverlongSequences) {
    EXPECT_TRUE(IsValidUtf8("plain \xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
    EXPECT_FALSE(IsValidUtf8("\xF5\x80\x80\x80"));
}

TEST(PageFile, AMissingPageOrAFolderGivesItsReason) {
    tb::test::TempDir dir;
    std::string error;
    EXPECT_FALSE(ReadPageFile(dir.file("none.htm"), &error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(ReadPageFile(dir.path(), &error)); // a folder is no page
    EXPECT_FALSE(error.empty());

    tb::test::WriteFileBytes(dir.file("p.htm"), "<p>old</p>\r\n");
    EXPECT_EQ(ReadPageFile(dir.file("p.htm"), &error), "<p>old</p>\r\n");
}

} // namespace
