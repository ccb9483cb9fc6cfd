// How pages and their widgets name each other: the page folder, the id on the widget's
// element, the new widget file's name from the automation date.

#include <gtest/gtest.h>

#include "addin/core/widgetpaths.h"

using namespace tb::addin;

namespace {

TEST(WidgetPaths, PageFolderIsThePathnameUpToItsLastSlash) {
    EXPECT_EQ(PageFolderFromPathname("/home/ann/site/page.htm"), "/home/ann/site/");
    EXPECT_EQ(PageFolderFromPathname("/page.htm"), "/");
    // Without any separator the whole pathname stands for the folder.
    EXPECT_EQ(PageFolderFromPathname("page.htm"), "page.htm");
    EXPECT_EQ(PageFolderFromPathname(""), "");
}

TEST(WidgetPaths, TheIdNamesTheFileAfterThePrefixAndOneCharacter) {
    EXPECT_EQ(WidgetFileFromId("Ambrel Widgets:_tsqres/46000.5_TesseraServer.Brisko.tsq"),
              "_tsqres/46000.5_TesseraServer.Brisko.tsq");
    EXPECT_EQ(WidgetFileFromId("AMBREL WIDGETS:_tsqres/a.tsq"), "_tsqres/a.tsq");
    // An id written with a backslash still leads to the file.
    EXPECT_EQ(WidgetFileFromId("Ambrel Widgets:_tsqres\\37000.75_X.Y.tsq"),
              "_tsqres/37000.75_X.Y.tsq");
    EXPECT_EQ(WidgetFileFromId("Ambrel Widgets"), "");
    EXPECT_EQ(WidgetFileFromId("picture1"), "");
    EXPECT_EQ(WidgetFileFromId(""), "");
}

TEST(WidgetPaths, NewFilesAreNamedByTheDateAsTheDesktopWritesANumber) {
    EXPECT_EQ(AutomationDateText(37000.752314814815), "37000.7523148148");
    EXPECT_EQ(AutomationDateText(46000.5), "46000.5");
    EXPECT_EQ(AutomationDateText(46000.0), "46000");
    EXPECT_EQ(NewWidgetFileName("46000.5", "TesseraServer.Brisko"),
              "_tsqres/46000.5_TesseraServer.Brisko.tsq");
}

TEST(WidgetPaths, TheIdGoesOnTheFirstAppletAndTheFirstObjectOnly) {
    EXPECT_EQ(PlaceWidgetId("<APPLET code=\"a.class\"></APPLET><applet></applet>", "_tsqres/w.tsq"),
              "<applet id=\"Ambrel Widgets:_tsqres/w.tsq\" code=\"a.class\"></APPLET><applet>"
              "</applet>");
    EXPECT_EQ(PlaceWidgetId("<object data=x><applet>", "r"),
              "<object id=\"Ambrel Widgets:r\" data=x><applet id=\"Ambrel Widgets:r\">");
    EXPECT_EQ(PlaceWidgetId("<p>no widget</p>", "r"), "<p>no widget</p>");
}

} // namespace
