#include <gtest/gtest.h>

#include "platform/ui/commandline.h"

using namespace tb;

using Args = std::vector<std::string>;

TEST(CommandLine, QuotesGroupBlanksAndAreDropped) {
    EXPECT_EQ(SplitCommandLine("\"/home/a b/page.htm\""), Args{"/home/a b/page.htm"});
    EXPECT_EQ(SplitCommandLine("  -new  \"x y\"z  last "), (Args{"-new", "x yz", "last"}));
    EXPECT_EQ(SplitCommandLine("C:\\dir\\p.htm"), Args{"C:\\dir\\p.htm"});
    EXPECT_EQ(SplitCommandLine("a \"\" b"), (Args{"a", "", "b"}));
    EXPECT_TRUE(SplitCommandLine(" \t ").empty());
    // An unclosed quote runs to the end.
    EXPECT_EQ(SplitCommandLine("\"open end"), Args{"open end"});
}
