#include <gtest/gtest.h>

#include "platform/core/asciitext.h"

using namespace tb;

TEST(AsciiText, ComparesWithoutAsciiCaseOnly) {
    EXPECT_TRUE(EqualsNoCase("Resource Number", "RESOURCE number"));
    EXPECT_FALSE(EqualsNoCase("Title", "Titles"));
    // Bytes outside ASCII are compared as they are, whatever the locale would fold.
    EXPECT_FALSE(EqualsNoCase("\xC4", "\xE4"));
    EXPECT_TRUE(StartsWithNoCase("DWORD:0000000a", "dword:"));
    EXPECT_FALSE(StartsWithNoCase("dw", "dword:"));
    EXPECT_EQ(FoldCase("HKEY_Classes_Root\xC4"), "hkey_classes_root\xC4");
}

TEST(AsciiText, TrimsCWhiteSpaceOnly) {
    EXPECT_EQ(TrimCSpace(" \t\v\f\r\nkey = value \r\n"), "key = value");
    EXPECT_EQ(TrimCSpace("\xA0x\xA0"), "\xA0x\xA0");
    EXPECT_EQ(TrimCSpace(" \t "), "");
}
