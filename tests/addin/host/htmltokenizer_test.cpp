// The tokenizer's ranges and the places where browsers read HTML differently from a naive
// reader: raw text, comments, quoted '>' and unfinished tags.

#include <gtest/gtest.h>

#include "addin/host/htmltokenizer.h"

using namespace tb::host;

namespace {

std::string Describe(std::string_view html) {
    std::string out;
    for (const HtmlToken& token : TokenizeHtml(html)) {
        static constexpr const char* kKinds[] = {"T", "S", "E", "C", "D", "B"};
        out += kKinds[static_cast<int>(token.kind)];
        if (!token.name.empty())
            out += ":" + token.name;
        out += "[" + std::string(html.substr(token.nBegin, token.nEnd - token.nBegin)) + "]";
    }
    return out;
}

TEST(HtmlTokenizer, TokensCoverTheInputWithoutGaps) {
    std::string html = "<!DOCTYPE html>\r\n<HTML><Body class=a>x &amp; y<!-- c --><br/>"
                       "< not a tag</BODY>";
    size_t expected = 0;
    for (const HtmlToken& token : TokenizeHtml(html)) {
        EXPECT_EQ(token.nBegin, expected);
        expected = token.nEnd;
    }
    EXPECT_EQ(expected, html.size());
    EXPECT_EQ(Describe(html), "D[<!DOCTYPE html>]T[\r\n]S:html[<HTML>]S:body[<Body class=a>]"
                              "T[x &amp; y]C[<!-- c -->]S:br[<br/>]T[< not a tag]E:body[</BODY>]");
}

TEST(HtmlTokenizer, ScriptAndStyleContentIsOneRawTextToken) {
    EXPECT_EQ(Describe("<script>if (a</b) x = '<p>';</SCRIPT ><p>"),
              "S:script[<script>]T[if (a</b) x = '<p>';]E:script[</SCRIPT >]S:p[<p>]");
    auto tokens = TokenizeHtml("<title>a &lt; b</title>");
    EXPECT_FALSE(tokens[1].bRawText); // references apply in a title
    EXPECT_TRUE(TokenizeHtml("<style>p{}</style>")[1].bRawText);
    EXPECT_EQ(Describe("<textarea><b></textarea>"),
              "S:textarea[<textarea>]T[<b>]E:textarea[</textarea>]");
}

TEST(HtmlTokenizer, CommentsEndAtTheirFirstCloseIncludingTheShortForms) {
    EXPECT_EQ(Describe("<!-->a<!--->b<!-- x -- y --!>c"),
              "C[<!-->]T[a]C[<!--->]T[b]C[<!-- x -- y --!>]T[c]");
    EXPECT_EQ(TokenizeHtml("<!--Insert By Tallowby Marquel-->")[0].data,
              "Insert By Tallowby Marquel");
    EXPECT_EQ(Describe("<!-- open"), "C[<!-- open]");
}

TEST(HtmlTokenizer, AttributesKeepQuotedGreaterThanSignsAndTheirSpelling) {
    auto tokens = TokenizeHtml("<applet ID=\"Ambrel Widgets:a>b\" code='x.class' width=80 "
                               "mayscript><param name=Notice value=\"a,b\">");
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0].name, "applet");
    ASSERT_NE(FindAttribute(tokens[0], "id"), nullptr);
    EXPECT_EQ(FindAttribute(tokens[0], "id")->value, "Ambrel Widgets:a>b");
    EXPECT_EQ(FindAttribute(tokens[0], "width")->value, "80");
    EXPECT_FALSE(FindAttribute(tokens[0], "mayscript")->bHasValue);
    EXPECT_EQ(tokens[0].nNameEnd, 7u);
    EXPECT_EQ(FindAttribute(tokens[1], "value")->value, "a,b");
}

TEST(HtmlTokenizer, BrowsersSkipBogusMarkupAndUnfinishedTags) {
    EXPECT_EQ(Describe("<?xml version=1?><!ELEMENT x></ >a</>b<p class=\"x"),
              "B[<?xml version=1?>]B[<!ELEMENT x>]B[</ >]T[a]B[</>]T[b]B[<p class=\"x]");
    EXPECT_EQ(Describe("a<"), "T[a<]");
    EXPECT_EQ(Describe("<plaintext></plaintext>"), "S:plaintext[<plaintext>]T[</plaintext>]");
}

TEST(HtmlTokenizer, VoidElementsAreKnown) {
    EXPECT_TRUE(IsVoidElement("img"));
    EXPECT_TRUE(IsVoidElement("param"));
    EXPECT_TRUE(IsVoidElement("wbr"));
    EXPECT_FALSE(IsVoidElement("applet"));
}

} // namespace
