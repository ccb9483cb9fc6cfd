#include "component/linereader.h"
#include "component/widgetconfig.h"

#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::string Lf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// A file whose Description and Parameter parts are empty, followed by the given lines.
std::string AfterEmptyMaps(const std::vector<std::string>& lines) {
    std::vector<std::string> all = {
        "========== Description Part Begin ==========",
        "========== Description Part End ==========", "========== Parameter Part Begin ==========",
        "========== Parameter Part End =========="};
    all.insert(all.end(), lines.begin(), lines.end());
    return Crlf(all);
}

std::vector<std::string> AllLines(std::string_view text, size_t chunk) {
    tb::CLineReader reader(text, chunk);
    std::vector<std::string> lines;
    std::string line;
    while (reader.ReadLine(line))
        lines.push_back(line);
    return lines;
}

const std::vector<std::string> kSmallFile = {
    "========== Description Part Begin ==========",
    "Title =  Blue  ",
    "Link = a = b",
    "========== Description Part End ==========",
    "",
    "========== Parameter Part Begin ==========",
    "Version = 1.5",
    "========== Parameter Part End ==========",
    "",
    "========== Resource Part Begin ==========",
    "Resource Number = 1",
    "a.gif=/w/=img/",
    "========== Resource Part End ==========",
    "",
    "========== HTML Part Begin ==========",
    "Segment Number = 1",
    "Segment Position = cursor",
    "<p>",
    "",
    "</p>",
    "===== Segment End =====",
    "========== HTML Part End ==========",
    "",
};

TEST(WidgetFileLines, EndAtLfOrCrLfAndALoneCrTakesTheNextByte) {
    // "ab" CR "cd": the CR ends the line and the 'c' after it stays as its last character.
    const std::string text = "one\r\ntwo\nab\rcd\r\n\r\nlast";
    const std::vector<std::string> expected = {"one", "two", "abc", "d", "", "last"};
    for (size_t chunk : {0u, 1u, 2u, 3u})
        EXPECT_EQ(AllLines(text, chunk), expected) << "chunk " << chunk;
    EXPECT_EQ(AllLines("x\r", 0), std::vector<std::string>{"x"});
    EXPECT_EQ(AllLines("x\r\r\n", 0), (std::vector<std::string>{"x\r", ""}));
    EXPECT_TRUE(AllLines("", 0).empty());
}

TEST(WidgetFileReader, ReadsEveryPartTrimmingKeysAndValues) {
    WidgetConfig config;
    config.ReadText(Crlf(kSmallFile));
    EXPECT_EQ(config.PeekDescription("Title"), "Blue");
    EXPECT_EQ(config.PeekDescription("Link"), "a = b"); // only the first '=' splits
    EXPECT_EQ(config.Parameters().Get("Version"), "1.5");
    ASSERT_EQ(config.GetResourceCount(), 1);
    EXPECT_EQ(config.Resources()[0], (ResourceEntry{"a.gif", "/w/", "img/"}));
    ASSERT_EQ(config.GetSegmentCount(), 1);
    EXPECT_EQ(config.Segments()[0], (HtmlSegment{"cursor", "<p>\r\n\r\n</p>\r\n"}));
}

TEST(WidgetFileReader, LfOnlyFileReadsLikeCrLf) {
    WidgetConfig fromCrlf, fromLf;
    fromCrlf.ReadText(Crlf(kSmallFile));
    fromLf.ReadText(Lf(kSmallFile));
    EXPECT_TRUE(fromLf.SameContent(fromCrlf));
    EXPECT_EQ(fromLf.WriteText(), fromCrlf.WriteText());
}

TEST(WidgetFileReader, SampleWidgetFileFixture) {
    WidgetConfig config;
    ASSERT_TRUE(config.Read(tb::test::SourceDir() + "/tests/data/widgetfiles/blue.tsq"));
    EXPECT_EQ(config.Description().Size(), 6u);
    EXPECT_EQ(config.PeekDescription("ProgID"), "TesseraServer.Brisko");
    EXPECT_EQ(config.PeekDescription("PreviewPath"), "");
    EXPECT_EQ(config.GetLastUpdateTime(), 37000.75);
    EXPECT_EQ(config.Parameters().Size(), 7u);
    EXPECT_EQ(config.Parameters().Get("Misc"), "");
    ASSERT_EQ(config.GetResourceCount(), 4);
    EXPECT_EQ(config.Resources()[0], (ResourceEntry{"tlwbtn.class", "/opt/ambrel-brisko/", ""}));
    EXPECT_EQ(config.GetResourceLocalPathByName("click.au"), "/home/ann/widgets/");
    ASSERT_EQ(config.GetSegmentCount(), 1);
    EXPECT_EQ(config.GetSegmentPosition(0), "cursor");
    EXPECT_EQ(config.GetSegmentBody(0),
              "<applet code=\"tlwbtn.class\" width=\"400\" height=\"60\">\r\n"
              "<param name=\"Notice\" value=\"Brisko\">\r\n"
              "<param name=\"Misc\" value=\"\">\r\n"
              "</applet>\r\n");
}

TEST(WidgetFileReader, HandEditedFixtureWithOddCaseCountsAndLineEnds) {
    WidgetConfig config;
    ASSERT_TRUE(config.Read(tb::test::SourceDir() + "/tests/data/widgetfiles/odd-lf.tsq"));
    EXPECT_EQ(config.PeekDescription("Title"), "Odd one");
    EXPECT_EQ(config.PeekDescription("title"), "lower-case key is another key");
    EXPECT_EQ(config.Description().Size(), 2u);
    EXPECT_EQ(config.Parameters().Get("Misc"), "a=b=c");
    // "resource number = 65537" is 1 in 16 bits; the folder keeps its inner '='.
    ASSERT_EQ(config.GetResourceCount(), 1);
    EXPECT_EQ(config.Resources()[0], (ResourceEntry{"odd.gif", "/srv/a=b/", "img/"}));
    ASSERT_EQ(config.GetSegmentCount(), 2);
    EXPECT_EQ(config.Segments()[0], (HtmlSegment{"style", "<style>\r\n\r\n</style>\r\n"}));
    // "<p>one" CR "two</p>": the lone CR carries the 't' into the first line.
    EXPECT_EQ(config.Segments()[1], (HtmlSegment{"cursor", "<p>onet\r\nwo</p>\r\n"}));
}

TEST(WidgetFileReader, MarkersMatchInAnyCaseButNotWithBlanks) {
    WidgetConfig config;
    config.ReadText(Crlf({"========== DESCRIPTION part BEGIN ==========", "A = 1",
                          "========== Description Part End ========== ", "B = 2",
                          "========== description part end ==========", "C = 3"}));
    // The end marker with a trailing blank is an ordinary line (and holds '=' so it is a key).
    EXPECT_EQ(config.PeekDescription("A"), "1");
    EXPECT_EQ(config.PeekDescription("B"), "2");
    EXPECT_FALSE(config.HasDescription("C"));
    EXPECT_TRUE(config.HasDescription(""));
}

TEST(WidgetFileReader, MissingEndMarkerLetsTheRestIntoThatMap) {
    std::vector<std::string> lines = kSmallFile;
    lines.erase(lines.begin() + 3); // Description End
    WidgetConfig config;
    config.ReadText(Crlf(lines));
    EXPECT_EQ(config.PeekDescription("Version"), "1.5");
    EXPECT_EQ(config.PeekDescription("Resource Number"), "1");
    EXPECT_EQ(config.PeekDescription("a.gif"), "/w/=img/");
    EXPECT_EQ(config.PeekDescription("Segment Position"), "cursor");
    EXPECT_TRUE(config.Parameters().Empty());
    EXPECT_EQ(config.GetResourceCount(), 0);
    EXPECT_EQ(config.GetSegmentCount(), 0);
}

TEST(WidgetFileReader, FewerResourceLinesThanCountReadsTheEndMarkerAsAnEntry) {
    std::vector<std::string> lines = kSmallFile;
    lines[10] = "Resource Number = 2";
    WidgetConfig config;
    config.ReadText(Crlf(lines));
    ASSERT_EQ(config.GetResourceCount(), 2);
    EXPECT_EQ(config.Resources()[0], (ResourceEntry{"a.gif", "/w/", "img/"}));
    EXPECT_EQ(config.Resources()[1],
              (ResourceEntry{"", "========= Resource Part End =========", ""}));
    // The resource reader then runs on looking for its end marker and swallows the HTML part.
    EXPECT_EQ(config.GetSegmentCount(), 0);
}

TEST(WidgetFileReader, CountsAreSixteenBitAndZeroKeepsWhatWasThere) {
    WidgetConfig config;
    config.AddResource({"old.gif", "/old/", ""});
    config.AddResource({"old2.gif", "/old/", ""});
    config.AddSegment({"style", "x\r\n"});
    config.ReadText(AfterEmptyMaps(
        {"========== Resource Part Begin ==========", "Resource Number = 0",
         "========== Resource Part End ==========", "========== HTML Part Begin ==========",
         "segment number = 0", "========== HTML Part End =========="}));
    EXPECT_EQ(config.GetResourceCount(), 2);
    EXPECT_EQ(config.GetSegmentCount(), 1);

    // 65537 is 1 in 16 bits: the list is cut to one entry, which is overwritten in place.
    config.ReadText(
        AfterEmptyMaps({"========== Resource Part Begin ==========", "Resource Number = 65537",
                        "new.gif=/new/=web/", "========== Resource Part End =========="}));
    ASSERT_EQ(config.GetResourceCount(), 1);
    EXPECT_EQ(config.Resources()[0], (ResourceEntry{"new.gif", "/new/", "web/"}));

    // A negative count is 65535 at most: bounded, whatever the text says.
    config.ReadText(
        AfterEmptyMaps({"========== Resource Part Begin ==========", "Resource Number = -1"}));
    EXPECT_EQ(config.GetResourceCount(), 65535);
}

TEST(WidgetFileReader, ResourceLineSplitsAtFirstAndLastEquals) {
    WidgetConfig config;
    config.ReadText(
        AfterEmptyMaps({"========== Resource Part Begin ==========", "Resource Number = 3",
                        " a.gif = /x=y=z/ = web/ ", "b.gif=/only/",
                        "c.gif==", "========== Resource Part End =========="}));
    ASSERT_EQ(config.GetResourceCount(), 3);
    EXPECT_EQ(config.Resources()[0], (ResourceEntry{"a.gif", "/x=y=z/", "web/"}));
    EXPECT_EQ(config.Resources()[1], (ResourceEntry{"b.gif", "/only/", ""}));
    EXPECT_EQ(config.Resources()[2], (ResourceEntry{"c.gif", "", ""}));
}

TEST(WidgetFileReader, MergesIntoTheRecord) {
    WidgetConfig config;
    config.SetDescription("Title", "Old");
    config.SetDescription("Kept", "yes");
    config.Parameters().Set("Misc", "old");
    config.ReadText(Crlf(kSmallFile));
    EXPECT_EQ(config.PeekDescription("Title"), "Blue");
    EXPECT_EQ(config.PeekDescription("Kept"), "yes");
    EXPECT_EQ(config.Parameters().Get("Misc"), "old");
}

TEST(WidgetFileReader, PartOutOfOrderOrCutShortIsSkipped) {
    WidgetConfig config;
    config.ReadText(Crlf({"========== Parameter Part Begin ==========", "Version = 1.5",
                          "========== Parameter Part End ==========",
                          "========== Description Part Begin ==========", "Title = T",
                          "========== Description Part End =========="}));
    EXPECT_EQ(config.PeekDescription("Title"), "T");
    EXPECT_TRUE(config.Parameters().Empty()); // consumed while looking for the Description

    WidgetConfig cut;
    cut.ReadText(Crlf({"========== HTML Part Begin ==========", "Segment Number = 2",
                       "Segment Position = cursor", "<b>"}));
    // The description reader used up the stream, so nothing at all is read.
    EXPECT_EQ(cut.GetSegmentCount(), 0);

    WidgetConfig body;
    std::vector<std::string> lines(kSmallFile.begin(), kSmallFile.begin() + 19);
    body.ReadText(Crlf(lines)); // ends inside the segment body
    ASSERT_EQ(body.GetSegmentCount(), 1);
    EXPECT_EQ(body.Segments()[0], (HtmlSegment{"cursor", "<p>\r\n\r\n"}));
}

TEST(WidgetFileReader, UnreadablePathsLeaveTheRecordAlone) {
    tb::test::TempDir dir;
    WidgetConfig config;
    config.SetDescription("Title", "Mine");
    EXPECT_FALSE(config.Read(dir.file("missing.tsq")));
    EXPECT_FALSE(config.Read(dir.path()));
    EXPECT_EQ(config.Description().Size(), 1u);
    EXPECT_EQ(config.PeekDescription("Title"), "Mine");
}

} // namespace
