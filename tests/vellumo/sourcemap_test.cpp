// Marking a page's start tags for the engine and putting a page together from original
// tokens and new pieces.

#include <gtest/gtest.h>

#include "vellumo/sourcemap.h"

using namespace tb::vellumo;

namespace {

TEST(SourceMap, EveryStartTagIsMarkedWithItsTokenRightAfterItsName) {
    CSourceMap map("<!DOCTYPE html>\r\n<P CLASS=a>x<br/><img\tsrc=y></P><!-- <b> -->");
    EXPECT_EQ(map.Annotated(),
              "<!DOCTYPE html>\r\n<P data-vellumo-src=\"2\" CLASS=a>x<br data-vellumo-src=\"4\"/>"
              "<img data-vellumo-src=\"5\"\tsrc=y></P><!-- <b> -->");
}

TEST(SourceMap, RawTextIsNotMarked) {
    CSourceMap map("<script>var s = '<b>';</script>");
    EXPECT_EQ(map.Annotated(), "<script data-vellumo-src=\"0\">var s = '<b>';</script>");
}

TEST(SourceMap, PiecesJoinOriginalRunsAndNewText) {
    CSourceMap map("<P>one</P>\r\n<P>two</P>");
    ASSERT_EQ(map.tokens().size(), 7u);
    std::string page;
    ASSERT_TRUE(map.Assemble({TokenRun{0, 3}, std::string("<p>new</p>"), TokenRun{6, 6}}, &page));
    EXPECT_EQ(page, "<P>one</P>\r\n<p>new</p></P>");
    EXPECT_FALSE(map.Assemble({TokenRun{3, 2}}, &page));
    EXPECT_FALSE(map.Assemble({TokenRun{0, 7}}, &page));
}

} // namespace
