#include "component/widgetconfig.h"
#include "tests/support/renamefailure.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

using tb::test::EntriesIn;
using tb::test::ReadFileBytes;
using tb::test::RenameFailure;
using tb::test::TempDir;
using tb::test::WriteFileBytes;

WidgetConfig SampleRecord() {
    WidgetConfig config;
    config.SetDescription("ProgID", "TesseraServer.Brisko");
    config.SetDescription("Title", "Blue");
    config.SetDescription("Description", "a=b");
    config.SetLastUpdateTime(37000.75);
    config.GetDescription("BitmapFileName");
    config.Parameters().Set("Version", "1.5");
    config.Parameters().Set("I0-1", "Home,,index.htm,_self,,,,,,1,,,,,");
    config.Parameters().Set("", "empty key");
    config.AddResource({"tlwbtn.class", "/opt/a=b/", ""});
    config.AddResource({"home.gif", "/w/", "images/"});
    config.AddSegment({"style", "<style>\r\n\r\n</style>\r\n"});
    config.AddSegment({"cursor", "<applet code=\"tlwbtn.class\">\r\n</applet>\r\n"});
    return config;
}

TEST(WidgetFileSaving, WriteThenReadGivesEveryFieldBack) {
    TempDir dir;
    const WidgetConfig written = SampleRecord();
    ASSERT_TRUE(written.Write(dir.file("w.tsq")));
    EXPECT_EQ(ReadFileBytes(dir.file("w.tsq")), written.WriteText());

    WidgetConfig back;
    ASSERT_TRUE(back.Read(dir.file("w.tsq")));
    EXPECT_TRUE(back.SameContent(written));
    EXPECT_EQ(back.WriteText(), written.WriteText()); // order too
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(WidgetFileSaving, FailedRenameKeepsThePreviousFileAndLeavesNoTemporary) {
    TempDir dir;
    const std::string path = dir.file("w.tsq");
    const std::string previous = "previous bytes\r\nkept exactly\r\n";
    WriteFileBytes(path, previous);
    {
        RenameFailure failure;
        EXPECT_FALSE(SampleRecord().Write(path));
    }
    EXPECT_EQ(ReadFileBytes(path), previous);
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
    EXPECT_TRUE(SampleRecord().Write(path)); // the real rename is back
}

TEST(WidgetFileSaving, UnwritableTargetsReturnFalse) {
    TempDir dir;
    EXPECT_FALSE(SampleRecord().Write(dir.file("no/such/folder/w.tsq")));
    EXPECT_FALSE(SampleRecord().Write(""));

    std::filesystem::create_directory(dir.file("folder.tsq"));
    EXPECT_FALSE(SampleRecord().Write(dir.file("folder.tsq")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.tsq")));
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(WidgetFileSaving, ReplacingKeepsPermissionsAndLinks) {
    TempDir dir;
    const std::string path = dir.file("w.tsq");
    WriteFileBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    std::filesystem::create_symlink(path, dir.file("link.tsq"));

    ASSERT_TRUE(SampleRecord().Write(dir.file("link.tsq")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.tsq")));
    EXPECT_EQ(ReadFileBytes(path), SampleRecord().WriteText());
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(EntriesIn(dir.path()), 2u);
}

} // namespace
