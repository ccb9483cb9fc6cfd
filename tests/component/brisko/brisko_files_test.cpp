// CBrisko and widget files: reading, the ordered steps of writing, the resource list.

#include <gtest/gtest.h>

#include "tests/component/brisko/briskotestutil.h"
#include "tests/support/scriptedui.h"

using namespace tb::test;

namespace {

const char kForeignFile[] = "========== Description Part Begin ==========\r\n"
                            "ProgID = TesseraServer.Other\r\n"
                            "Title = Foreign\r\n"
                            "========== Description Part End ==========\r\n\r\n"
                            "========== Parameter Part Begin ==========\r\n"
                            "Misc = 0,\r\n"
                            "ApStyle = Other,0,99,99,0,0,,0,0,0,,1,1,1,0,,,,1,x\r\n"
                            "========== Parameter Part End ==========\r\n\r\n"
                            "========== Resource Part Begin ==========\r\n"
                            "Resource Number = 0\r\n"
                            "========== Resource Part End ==========\r\n\r\n"
                            "========== HTML Part Begin ==========\r\n"
                            "Segment Number = 0\r\n"
                            "========== HTML Part End ==========\r\n\r\n";

// Ours, with three resource lines that the model does not back.
const char kOwnFileWithResources[] = "========== Description Part Begin ==========\r\n"
                                     "ProgID = TesseraServer.Brisko\r\n"
                                     "========== Description Part End ==========\r\n\r\n"
                                     "========== Parameter Part Begin ==========\r\n"
                                     "========== Parameter Part End ==========\r\n\r\n"
                                     "========== Resource Part Begin ==========\r\n"
                                     "Resource Number = 3\r\n"
                                     "a.gif=/x/=\r\n"
                                     "b.gif=/x/=\r\n"
                                     "c.au=/x/=\r\n"
                                     "========== Resource Part End ==========\r\n\r\n";

} // namespace

TEST(BriskoWidgetFolder, EndsWithSeparatorAndBareNamesLieInTheCurrentFolder) {
    EXPECT_EQ(CBrisko::WidgetFolder("/home/u/w/menu.tsq"), "/home/u/w/");
    EXPECT_EQ(CBrisko::WidgetFolder("/menu.tsq"), "/");
    EXPECT_EQ(CBrisko::WidgetFolder("C:\\Sites\\menu.tsq"), "C:\\Sites/");
    // Not the filesystem root: a bare name is relative to the current folder.
    EXPECT_EQ(CBrisko::WidgetFolder("menu.tsq"), "./");
}

TEST(BriskoReadConfigFile, FileOfAnotherComponentIsAcceptedWithoutTouchingTheModel) {
    TempDir dir;
    WriteFileBytes(dir.file("f.tsq"), kForeignFile);
    BriskoHolder b;
    AddButton(b->applet);
    b->applet.m_nWidth = 321;
    EXPECT_TRUE(b->ReadConfigFile(dir.file("f.tsq")));
    EXPECT_EQ(b->GetDescriptionEntry("ProgID"), "TesseraServer.Other");
    EXPECT_EQ(b->GetDescriptionEntry("Title"), "Foreign");
    EXPECT_EQ(b->applet.m_buttons.size(), 1u);
    EXPECT_EQ(b->applet.m_nWidth, 321);
}

TEST(BriskoReadConfigFile, MissingFileIsFalse) {
    TempDir dir;
    BriskoHolder b;
    EXPECT_FALSE(b->ReadConfigFile(dir.file("absent.tsq")));
    EXPECT_FALSE(b->ReadConfigFile(dir.path()));
}

TEST(BriskoResources, CountComesFromTheModelNotFromTheFile) {
    ComponentFolderFixture component;
    TempDir dir;
    WriteFileBytes(dir.file("own.tsq"), kOwnFileWithResources);
    BriskoHolder b;
    ASSERT_TRUE(b->ReadConfigFile(dir.file("own.tsq")));
    EXPECT_EQ(b->config.GetResourceCount(), 3);
    EXPECT_EQ(b->GetResourceNumber(), 1);
    EXPECT_EQ(b->GetResourceName(0), "tlwbtn.class");
    EXPECT_EQ(b->GetResourceLocalPath(0), component.dir.path() + "/");
    EXPECT_EQ(b->GetResourceName(1), "");
    EXPECT_EQ(b->GetResourceLocalPath(-1), "");
}

TEST(BriskoResources, ListFollowsTheModelAndDropsMissingFiles) {
    ComponentFolderFixture component;
    TempDir media;
    WriteFileBytes(media.file("back.gif"), "B");
    WriteFileBytes(media.file("n.gif"), "N");
    WriteFileBytes(media.file("click.au"), "C");
    BriskoHolder b;
    b->applet.m_strWebPath = "web/";
    b->applet.m_strBackImage = media.file("back.gif");
    b->applet.m_strWebPathBackImage = "img/";
    b->applet.m_strBackAudio = media.file("gone.au");
    CMarquelItem& item = AddButton(b->applet);
    item.m_strImageNormal = media.file("n.gif");
    item.m_strImageOver = media.file("missing.gif");
    item.m_strAudioClick = media.file("click.au");
    item.m_strWebPathAudioClick = "snd/";

    // A fresh design plays in current browsers: the player follows the class file.
    ASSERT_EQ(b->GetResourceNumber(), 5);
    const auto& r = b->config.Resources();
    EXPECT_EQ(r[0], (ResourceEntry{"tlwbtn.class", component.dir.path() + "/", "web/"}));
    EXPECT_EQ(r[1], (ResourceEntry{"tlwbtn.js", component.dir.path() + "/", "web/"}));
    EXPECT_EQ(r[2], (ResourceEntry{"back.gif", media.path() + "/", "img/"}));
    EXPECT_EQ(r[3], (ResourceEntry{"n.gif", media.path() + "/", ""}));
    EXPECT_EQ(r[4], (ResourceEntry{"click.au", media.path() + "/", "snd/"}));
    EXPECT_EQ(b->applet.m_strBackAudio, "");
    EXPECT_EQ(item.m_strImageOver, "");
    EXPECT_EQ(b->GetResourceLocalPathByName("click.au"), media.path() + "/");
    EXPECT_EQ(b->GetResourceLocalPathByName("CLICK.AU"), "");

    // Current until the designer runs again: a new file does not show up by itself.
    item.m_strImageClick = media.file("n.gif");
    EXPECT_EQ(b->GetResourceNumber(), 5);
    EXPECT_TRUE(b->SetResourceLocalPath("/pub/"));
    EXPECT_EQ(b->GetResourceLocalPath(4), "/pub/");

    // Turning the player off takes it out of the list at once (the new file comes in now).
    b->SetPlayer(false);
    ASSERT_EQ(b->GetResourceNumber(), 5);
    EXPECT_EQ(r[1].Name, "back.gif");
}

TEST(BriskoProperties, GetListsAnAbsentEntryInTheNextWrite) {
    ComponentFolderFixture component;
    TempDir dir;
    BriskoHolder b;
    EXPECT_EQ(b->GetDescriptionEntry("BitmapFileName"), "");
    ASSERT_TRUE(b->WriteConfigFile(dir.file("w.tsq")));
    const std::string text = ReadFileBytes(dir.file("w.tsq"));
    EXPECT_NE(text.find("\r\nBitmapFileName = \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nProgID = TesseraServer.Brisko\r\n"), std::string::npos);
}

TEST(BriskoProperties, LastUpdateTimeKeepsNineDecimals) {
    ComponentFolderFixture component;
    TempDir dir;
    BriskoHolder b;
    b->SetLastUpdateTime(36892.123456789);
    EXPECT_EQ(b->config.PeekDescription("LastUpdateTime"), "36892.123456789");
    EXPECT_DOUBLE_EQ(b->GetLastUpdateTime(), 36892.123456789);
    ASSERT_TRUE(b->WriteConfigFile(dir.file("w.tsq")));
    BriskoHolder c;
    ASSERT_TRUE(c->ReadConfigFile(dir.file("w.tsq")));
    EXPECT_DOUBLE_EQ(c->GetLastUpdateTime(), 36892.123456789);
}

TEST(BriskoWriteConfigFileEx, ModeZeroCopiesMediaAndSwitchesTheReferences) {
    ComponentFolderFixture component;
    TempDir media;
    TempDir site;
    WriteFileBytes(media.file("pic.gif"), "GIF89a");
    BriskoHolder b;
    b->config.AddResource({"stale", "/stale/", ""});
    b->config.Parameters().Set("Stale", "1");
    CMarquelItem& item = AddButton(b->applet);
    item.m_strImageNormal = media.file("pic.gif");

    ASSERT_TRUE(b->WriteConfigFileEx(site.file("w.tsq"), tb::GatherMode::PointAtCopies));
    EXPECT_EQ(ReadFileBytes(site.file("tlwbtn.class")), "CLASSBYTES");
    EXPECT_EQ(ReadFileBytes(site.file("tlwbtn.js")), "PLAYERBYTES");
    EXPECT_EQ(ReadFileBytes(site.file("pic.gif")), "GIF89a");
    EXPECT_EQ(item.m_strImageNormal, site.path() + "/pic.gif");
    EXPECT_EQ(b->resourcesCurrent, 1);

    const std::string text = ReadFileBytes(site.file("w.tsq"));
    // Old parameters and resources are gone; the list and the HTML name the copy.
    EXPECT_EQ(text.find("Stale"), std::string::npos);
    EXPECT_EQ(text.find("stale"), std::string::npos);
    EXPECT_NE(text.find("Resource Number = 3\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\ntlwbtn.class=" + component.dir.path() +
                        "/=\r\ntlwbtn.js=" + component.dir.path() + "/=\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\r\npic.gif=" + site.path() + "/=\r\n"), std::string::npos);
    EXPECT_NE(text.find("Segment Number = 1\r\nSegment Position = cursor\r\n<applet "),
              std::string::npos);
    EXPECT_NE(text.find("</applet>\r\n<script src=\"tlwbtn.js\"></script>\r\n===== Segment End "
                        "=====\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\r\nVersion = 1.5\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nPlayer = 1\r\n"), std::string::npos);
}

TEST(BriskoWriteConfigFileEx, OtherModesCopyButKeepTheReferences) {
    ComponentFolderFixture component;
    TempDir media;
    TempDir site;
    WriteFileBytes(media.file("pic.gif"), "GIF89a");
    BriskoHolder b;
    CMarquelItem& item = AddButton(b->applet);
    item.m_strImageNormal = media.file("pic.gif");
    ASSERT_TRUE(b->WriteConfigFileEx(site.file("w.tsq"), tb::GatherMode::CopyOnly));
    EXPECT_EQ(ReadFileBytes(site.file("pic.gif")), "GIF89a");
    EXPECT_EQ(item.m_strImageNormal, media.file("pic.gif"));
    EXPECT_NE(ReadFileBytes(site.file("w.tsq")).find("\r\npic.gif=" + media.path() + "/=\r\n"),
              std::string::npos);
}

TEST(BriskoWriteConfigFileEx, UnwritablePathIsFalse) {
    ComponentFolderFixture component;
    TempDir dir;
    BriskoHolder b;
    ExpectUi ui;
    ui.Expect(tb::UiAnswer::Message(IDOK).WithText(
        "The widget file " + dir.file("no/such/folder/w.tsq") +
        " was not saved, because these files could not be copied next to it:\n" +
        component.dir.file("tlwbtn.class") + " to " + dir.file("no/such/folder/tlwbtn.class") +
        ": No such file or directory\n" + component.dir.file("tlwbtn.js") + " to " +
        dir.file("no/such/folder/tlwbtn.js") + ": No such file or directory"));
    EXPECT_FALSE(b->WriteConfigFile(dir.file("no/such/folder/w.tsq")));
}

TEST(BriskoWriteConfigFileEx, WrittenDesignReadsBackIntoAFreshObject) {
    ComponentFolderFixture component;
    TempDir dir;
    BriskoHolder b;
    AddButton(b->applet).m_strLabel = "Home, sweet\r\nhome";
    AddButton(b->applet, 100).m_strUrl = "b.htm";
    b->SetDescriptionEntry("Title", "Two");
    ASSERT_TRUE(b->WriteConfigFile(dir.file("w.tsq")));
    BriskoHolder c;
    ASSERT_TRUE(c->ReadConfigFile(dir.file("w.tsq")));
    ASSERT_EQ(c->applet.m_buttons.size(), 2u);
    EXPECT_EQ(c->applet.m_buttons[0]->menu->m_items.front()->m_strLabel, "Home, sweet\r\nhome");
    EXPECT_EQ(c->GetHTMLBody(tb::HtmlMode::Preview), b->GetHTMLBody(tb::HtmlMode::Preview));
    // From the first re-read on, the stored form is stable.
    ASSERT_TRUE(c->WriteConfigFile(dir.file("again.tsq")));
    BriskoHolder d;
    ASSERT_TRUE(d->ReadConfigFile(dir.file("again.tsq")));
    ASSERT_TRUE(d->WriteConfigFile(dir.file("third.tsq")));
    EXPECT_EQ(ReadFileBytes(dir.file("third.tsq")), ReadFileBytes(dir.file("again.tsq")));
}
