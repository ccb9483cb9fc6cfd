#include "component/widgetconfig.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(WidgetFileWriter, EmptyRecordGivesFourEmptyParts) {
    const std::string expected = "========== Description Part Begin ==========\r\n"
                                 "========== Description Part End ==========\r\n"
                                 "\r\n"
                                 "========== Parameter Part Begin ==========\r\n"
                                 "========== Parameter Part End ==========\r\n"
                                 "\r\n"
                                 "========== Resource Part Begin ==========\r\n"
                                 "Resource Number = 0\r\n"
                                 "========== Resource Part End ==========\r\n"
                                 "\r\n"
                                 "========== HTML Part Begin ==========\r\n"
                                 "Segment Number = 0\r\n"
                                 "========== HTML Part End ==========\r\n"
                                 "\r\n";
    EXPECT_EQ(WidgetConfig().WriteText(), expected);
}

// Buckets as worked out in hashorder_test.cpp: D 0, AB 1, "\xE9A" 4, A and R 14, B 15.
TEST(WidgetFileWriter, WritesTheLayoutWithEntriesInHashTableOrder) {
    WidgetConfig config;
    config.SetDescription("B", "2");
    config.SetDescription("A", "1");
    config.SetDescription("D", "4");
    config.SetDescription("R", "3");
    config.SetDescription("A", "one"); // overwritten: keeps its place behind "R"
    config.Parameters().Set("AB", "x");
    config.Parameters().Set("\xE9"
                            "A",
                            "y");
    config.Parameters().Set("A", "z,1,,");
    config.AddResource({"tlwbtn.class", "/opt/ab/", ""});
    config.AddResource({"a.gif", "/w/", "img/"});
    config.AddSegment({"cursor", "<applet>\r\n</applet>\r\n"});

    const std::string expected = "========== Description Part Begin ==========\r\n"
                                 "D = 4\r\n"
                                 "R = 3\r\n"
                                 "A = one\r\n"
                                 "B = 2\r\n"
                                 "========== Description Part End ==========\r\n"
                                 "\r\n"
                                 "========== Parameter Part Begin ==========\r\n"
                                 "AB = x\r\n"
                                 "\xE9"
                                 "A = y\r\n"
                                 "A = z,1,,\r\n"
                                 "========== Parameter Part End ==========\r\n"
                                 "\r\n"
                                 "========== Resource Part Begin ==========\r\n"
                                 "Resource Number = 2\r\n"
                                 "tlwbtn.class=/opt/ab/=\r\n"
                                 "a.gif=/w/=img/\r\n"
                                 "========== Resource Part End ==========\r\n"
                                 "\r\n"
                                 "========== HTML Part Begin ==========\r\n"
                                 "Segment Number = 1\r\n"
                                 "Segment Position = cursor\r\n"
                                 "<applet>\r\n"
                                 "</applet>\r\n"
                                 "===== Segment End =====\r\n"
                                 "========== HTML Part End ==========\r\n"
                                 "\r\n";
    EXPECT_EQ(config.WriteText(), expected);
}

TEST(WidgetFileWriter, LineBreaksInsideAnEntryAreWrittenAsBlanks) {
    WidgetConfig config;
    config.SetDescription("Description", "two\r\nlines\nand\rmore");
    config.SetDescription("Title", "x\r\n========== Description Part End ==========");
    config.AddResource({"a\n.gif", "/w/", ""});
    const std::string text = config.WriteText();
    EXPECT_NE(text.find("Description = two lines and more\r\n"), std::string::npos);
    EXPECT_NE(text.find("a .gif=/w/=\r\n"), std::string::npos);

    WidgetConfig back;
    back.ReadText(text);
    EXPECT_EQ(back.PeekDescription("Title"), "x ========== Description Part End ==========");
    EXPECT_EQ(back.Description().Size(), 2u);
}

TEST(WidgetConfigAccessors, DescriptionGetCreatesAnEntryTheNextWriteLists) {
    WidgetConfig config;
    EXPECT_FALSE(config.HasDescription("BitmapFileName"));
    EXPECT_EQ(config.GetDescription("BitmapFileName"), "");
    EXPECT_TRUE(config.HasDescription("BitmapFileName"));
    EXPECT_NE(config.WriteText().find("\r\nBitmapFileName = \r\n"), std::string::npos);
    EXPECT_EQ(config.PeekDescription("Title"), "");
    EXPECT_FALSE(config.HasDescription("Title")); // peeking creates nothing
}

TEST(WidgetConfigAccessors, LastUpdateTimeIsStoredWithNineDecimals) {
    WidgetConfig config;
    EXPECT_EQ(config.GetLastUpdateTime(), 0.0);
    EXPECT_TRUE(config.HasDescription("LastUpdateTime"));
    config.SetLastUpdateTime(37000.75); // 2001-04-19 18:00
    EXPECT_EQ(config.PeekDescription("LastUpdateTime"), "37000.750000000");
    config.SetLastUpdateTime(37000.123456789);
    EXPECT_NEAR(config.GetLastUpdateTime(), 37000.123456789, 1e-9);
    config.SetDescription("LastUpdateTime", "garbage");
    EXPECT_EQ(config.GetLastUpdateTime(), 0.0);
}

TEST(WidgetConfigAccessors, ResourceFieldsByIndexAndByName) {
    WidgetConfig config;
    config.AddResource({"a.gif", "/one/", "img/"});
    config.AddResource({"A.gif", "/two/", ""});
    config.AddResource({"a.gif", "/three/", ""});
    EXPECT_EQ(config.GetResourceCount(), 3);
    EXPECT_EQ(config.GetResourceName(1), "A.gif");
    EXPECT_EQ(config.GetResourceWebPath(0), "img/");
    EXPECT_EQ(config.GetResourceLocalPath(-1), "");
    EXPECT_EQ(config.GetResourceLocalPath(3), "");
    EXPECT_EQ(config.GetResourceLocalPathByName("a.gif"), "/one/");
    EXPECT_EQ(config.GetResourceLocalPathByName("A.gif"), "/two/");
    EXPECT_EQ(config.GetResourceLocalPathByName("b.gif"), "");
    config.SetResourceLocalPath("/all/");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(config.GetResourceLocalPath(i), "/all/");

    config.AddSegment({"cursor", "x\r\n"});
    EXPECT_EQ(config.GetSegmentPosition(0), "cursor");
    EXPECT_EQ(config.GetSegmentBody(1), "");
    config.ClearResources();
    config.ClearSegments();
    config.ClearParameters();
    EXPECT_EQ(config.GetResourceCount(), 0);
    EXPECT_EQ(config.GetSegmentCount(), 0);
}

} // namespace
