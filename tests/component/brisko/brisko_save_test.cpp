// Saving a widget file next to hostile or failing destinations: links, folders in the way,
// full disks, media named like the widget file, and texts that look like the file's markers.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/component/brisko/briskotestutil.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/scriptedui.h"

using namespace tb::test;

namespace {

// A source folder with the design's media, a destination holding a previous save, and a
// component folder with the class file.
struct SaveFixture {
    ComponentFolderFixture component;
    TempDir root;
    std::string src = root.file("in") + "/";
    std::string pub = root.file("pub") + "/";
    std::string out = pub + "w.tsq";
    BriskoHolder b;

    SaveFixture() {
        std::filesystem::create_directories(src);
        std::filesystem::create_directories(pub);
        WriteFileBytes(out, "PREVIOUS SAVE");
        WriteFileBytes(src + "ok.gif", std::string(100000, 'G'));
        AddButton(b->applet).m_strImageNormal = src + "ok.gif";
    }
    std::string FailureText(const std::string& name, const std::string& why) const {
        return "The widget file " + out +
               " was not saved, because these files could not be copied next to it:\n" + src +
               name + " to " + pub + name + ": " + why;
    }
};

} // namespace

TEST(BriskoSave, ALinkInTheDestinationIsReplacedAndItsTargetKept) {
    SaveFixture f;
    WriteFileBytes(f.root.file("secret.txt"), "SECRET");
    std::filesystem::create_symlink("../secret.txt", f.pub + "tlwbtn.class");
    std::filesystem::create_symlink("../secret.txt", f.pub + "ok.gif");
    EXPECT_TRUE(f.b->WriteConfigFileEx(f.out, tb::GatherMode::CopyOnly));
    EXPECT_EQ(ReadFileBytes(f.root.file("secret.txt")), "SECRET");
    EXPECT_EQ(ReadFileBytes(f.pub + "tlwbtn.class"), "CLASSBYTES");
    EXPECT_EQ(ReadFileBytes(f.pub + "ok.gif"), ReadFileBytes(f.src + "ok.gif"));
}

TEST(BriskoSave, AFolderInTheWayFailsTheSaveWithOneMessage) {
    SaveFixture f;
    std::filesystem::create_directory(f.pub + "ok.gif");
    ExpectUi ui;
    ui.Expect(tb::UiAnswer::Message(IDOK).WithText(f.FailureText("ok.gif", "Is a directory")));
    EXPECT_FALSE(f.b->WriteConfigFileEx(f.out, tb::GatherMode::CopyOnly));
    EXPECT_EQ(ReadFileBytes(f.out), "PREVIOUS SAVE");
    // The design keeps its reference, so a later save can still copy the file.
    EXPECT_EQ(f.b->applet.m_buttons[0]->menu->m_items[0]->m_strImageNormal, f.src + "ok.gif");
}

TEST(BriskoSave, AFullDiskLeavesTheDestinationAsItWas) {
    SaveFixture f;
    WriteFileBytes(f.pub + "ok.gif", "OLD IMAGE");
    const size_t nEntries = EntriesIn(f.pub);
    ExpectUi ui;
    ui.Expect(tb::UiAnswer::Message(IDOK).WithText(f.FailureText("ok.gif", "File too large")));
    {
        FileSizeLimit diskFull(4096);
        EXPECT_FALSE(f.b->WriteConfigFileEx(f.out, tb::GatherMode::CopyOnly));
    }
    EXPECT_EQ(ReadFileBytes(f.pub + "ok.gif"), "OLD IMAGE");
    EXPECT_EQ(ReadFileBytes(f.out), "PREVIOUS SAVE");
    // The small class file and player were copied whole; nothing else, no temporary, is left.
    EXPECT_EQ(ReadFileBytes(f.pub + "tlwbtn.class"), "CLASSBYTES");
    EXPECT_EQ(ReadFileBytes(f.pub + "tlwbtn.js"), "PLAYERBYTES");
    EXPECT_EQ(EntriesIn(f.pub), nEntries + 2);
}

TEST(BriskoSave, AnImageNamedLikeTheWidgetFileNeverReplacesIt) {
    SaveFixture f;
    f.out = f.pub + "prev.tsq";
    WriteFileBytes(f.out, "PREVIOUS SAVE");
    WriteFileBytes(f.src + "prev.tsq", "GIF89a");
    f.b->applet.m_strBackImage = f.src + "prev.tsq";
    for (tb::GatherMode mode : {tb::GatherMode::PointAtCopies, tb::GatherMode::CopyOnly}) {
        ExpectUi ui;
        ui.Expect(tb::UiAnswer::Message(IDOK).WithText(f.FailureText(
            "prev.tsq", "it has the name of the widget file, which it would replace")));
        EXPECT_FALSE(f.b->WriteConfigFileEx(f.out, mode));
        EXPECT_EQ(ReadFileBytes(f.out), "PREVIOUS SAVE");
    }
}

TEST(BriskoSave, AMissingSourceIsNoFailure) {
    SaveFixture f;
    f.b->applet.m_strBackImage = f.src + "gone.gif";
    EXPECT_TRUE(f.b->WriteConfigFileEx(f.out, tb::GatherMode::CopyOnly));
    std::filesystem::remove(f.src + "ok.gif");
    EXPECT_TRUE(f.b->WriteConfigFileEx(f.out, tb::GatherMode::PointAtCopies));
}

TEST(BriskoSave, AWidgetFileThatCannotBeWrittenSaysWhy) {
    SaveFixture f;
    std::filesystem::remove(f.out);
    std::filesystem::create_directory(f.out);
    ExpectUi ui;
    ui.Expect(tb::UiAnswer::Message(IDOK).WithText("Cannot save the widget file " + f.out +
                                                   ": Is a directory"));
    EXPECT_FALSE(f.b->WriteConfigFileEx(f.out, tb::GatherMode::CopyOnly));
}

TEST(BriskoSave, TextsLikeTheFilesMarkersCannotEndTheHtmlSegment) {
    SaveFixture f;
    f.b->applet.m_strLoadingMessage = "Wait\r\n===== Segment End =====\r\nSegment Position = x";
    ASSERT_TRUE(f.b->WriteConfigFile(f.out));
    BriskoHolder c;
    ASSERT_TRUE(c->ReadConfigFile(f.out));
    ASSERT_EQ(c->config.GetSegmentCount(), 1);
    EXPECT_EQ(c->config.GetSegmentBody(0), f.b->config.GetSegmentBody(0));
    EXPECT_EQ(c->applet.m_strLoadingMessage, f.b->applet.m_strLoadingMessage);
}
