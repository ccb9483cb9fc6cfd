// tessera as a subprocess, with the registry folder of this test process.

#include <gtest/gtest.h>

#include "platform/core/paths.h"
#include "tests/cli/clirun.h"
#include "tests/support/tempdir.h"

using namespace tb::test;
using tb::FileExists;

namespace {

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find("\r\n"));
}

} // namespace

TEST_F(TesseraTest, ListsTheRegisteredComponent) {
    CliRun r = Tessera("list");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "{B2471160-D234-11D2-B481-00400533CDD6}\tTesseraServer.Brisko\t" +
                         ProgramDir() + "/TesseraBrisko.so\n");
}

TEST_F(TesseraTest, InfoShowsTheCatalogueData) {
    CliRun r = Tessera("info " + Template());
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "ProgID: TesseraServer.Brisko\nTitle: Blue Glass Bar\n"
                     "Description: A horizontal bar of glassy blue buttons that light up under "
                     "the mouse\nPreviewPath: \nLastUpdateTime: 45000.500000000\nPlayer: on\n");
}

TEST_F(TesseraTest, HtmlOpeningTagFollowsTheMode) {
    CliRun r0 = Tessera("html " + Template() + " --preview-path file:///p/");
    CliRun r1 = Tessera("html " + Template() + " --mode 1");
    CliRun r2 = Tessera("html " + Template() + " --mode 2");
    EXPECT_EQ(r0.code, 0);
    EXPECT_EQ(FirstLine(r0.out), "<applet codebase=\"file:///p/\" code=\"tlwbtn.class\" "
                                 "align=\"baseline\" width=\"460\" height=\"52\">");
    EXPECT_EQ(FirstLine(r1.out),
              "<applet  code=\"tlwbtn.class\" align=\"baseline\" width=\"460\" height=\"52\">");
    EXPECT_EQ(FirstLine(r2.out), FirstLine(r1.out));
    // The shipped templates play in current browsers: the player loads from the codebase.
    EXPECT_TRUE(r0.out.ends_with("</applet>\r\n<script src=\"file:///p/tlwbtn.js\"></script>\r\n"));
    EXPECT_TRUE(r2.out.ends_with("</applet>\r\n<script src=\"tlwbtn.js\"></script>\r\n"));
}

TEST_F(TesseraTest, ResourcesListTheClassFileFromTheProgramFolder) {
    CliRun r = Tessera("resources " + Template());
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "tlwbtn.class\t" + ProgramDir() + "/\t\ntlwbtn.js\t" + ProgramDir() + "/\t\n");
}

TEST_F(TesseraTest, SavedFileReadsBackTheSame) {
    TempDir dir;
    ASSERT_EQ(Tessera("save " + Template() + " '" + dir.file("a.tsq") + "'").code, 0);
    ASSERT_EQ(Tessera("save '" + dir.file("a.tsq") + "' '" + dir.file("b.tsq") + "'").code, 0);
    // Entry order within the Description part may differ; the content may not.
    for (const char* command : {"html", "resources"})
        EXPECT_EQ(Tessera(std::string(command) + " '" + dir.file("b.tsq") + "'").out,
                  Tessera(std::string(command) + " '" + dir.file("a.tsq") + "'").out);
    EXPECT_EQ(Tessera("info '" + dir.file("b.tsq") + "'").out, Tessera("info " + Template()).out);
    EXPECT_EQ(ReadFileBytes(dir.file("tlwbtn.class")),
              ReadFileBytes(ProgramDir() + "/tlwbtn.class"));
    EXPECT_EQ(ReadFileBytes(dir.file("tlwbtn.js")), ReadFileBytes(ProgramDir() + "/tlwbtn.js"));
}

TEST_F(TesseraTest, SaveTurnsThePlayerOffAndOnAgain) {
    TempDir off;
    TempDir on;
    ASSERT_EQ(Tessera("save " + Template() + " '" + off.file("w.tsq") + "' --player off").code, 0);
    const std::string w = " '" + off.file("w.tsq") + "'";
    EXPECT_TRUE(Tessera("info" + w).out.ends_with("\nPlayer: off\n"));
    EXPECT_TRUE(Tessera("html" + w + " --mode 2").out.ends_with("</applet>\r\n"));
    EXPECT_EQ(Tessera("resources" + w).out, "tlwbtn.class\t" + ProgramDir() + "/\t\n");
    EXPECT_EQ(ReadFileBytes(off.file("w.tsq")).find("Player"), std::string::npos);
    EXPECT_FALSE(FileExists(off.file("tlwbtn.js")));

    // Back on, the file is the one a plain save of the template gives.
    ASSERT_EQ(Tessera("save" + w + " '" + on.file("w.tsq") + "' --player on").code, 0);
    ASSERT_EQ(Tessera("save " + Template() + " '" + on.file("plain.tsq") + "'").code, 0);
    EXPECT_EQ(Tessera("info '" + on.file("w.tsq") + "'").out, Tessera("info " + Template()).out);
    EXPECT_EQ(Tessera("html '" + on.file("w.tsq") + "'").out, Tessera("html " + Template()).out);
    EXPECT_TRUE(FileExists(on.file("tlwbtn.js")));

    CliRun bad = RunShell(
        TesseraCommand("save " + Template() + " '" + off.file("x.tsq") + "' --player yes") +
        " 2>&1");
    EXPECT_EQ(bad.code, 1);
    EXPECT_EQ(bad.out, "tessera: --player must be on or off, not \"yes\"\n");
    EXPECT_FALSE(FileExists(off.file("x.tsq")));
}

TEST_F(TesseraTest, RenderWritesAPngOfTheAppletSize) {
    TempDir dir;
    ASSERT_EQ(Tessera("render " + Template() + " '" + dir.file("c.png") + "' --state 2").code, 0);
    const std::string png = ReadFileBytes(dir.file("c.png"));
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    auto be32 = [&](size_t at) {
        return (uint8_t(png[at]) << 24) | (uint8_t(png[at + 1]) << 16) |
               (uint8_t(png[at + 2]) << 8) | uint8_t(png[at + 3]);
    };
    EXPECT_EQ(be32(16), 460u);
    EXPECT_EQ(be32(20), 52u);
}

TEST_F(TesseraTest, ForeignWidgetReadsButItsComponentIsMissing) {
    TempDir dir;
    WriteFileBytes(dir.file("f.tsq"), "========== Description Part Begin ==========\r\n"
                                      "ProgID = TesseraServer.Other\r\nTitle = F\r\n"
                                      "========== Description Part End ==========\r\n");
    CliRun info = Tessera("info '" + dir.file("f.tsq") + "'");
    EXPECT_EQ(info.code, 0);
    EXPECT_NE(info.out.find("ProgID: TesseraServer.Other\n"), std::string::npos);
    // Whether another component's design plays is not ours to say.
    EXPECT_EQ(info.out.find("Player"), std::string::npos);
    EXPECT_EQ(Tessera("html '" + dir.file("f.tsq") + "'").code, 1);
}

TEST_F(TesseraTest, FailuresExitWithOne) {
    TempDir dir;
    EXPECT_EQ(Tessera("info '" + dir.file("none.tsq") + "'").code, 1);
    EXPECT_EQ(Tessera("html " + Template() + " --mode x").code, 1);
    EXPECT_EQ(Tessera("render " + Template() + " '" + dir.file("c.png") + "' --state 4").code, 1);
    EXPECT_EQ(Tessera("render " + Template() + " '" + dir.file("no/c.png") + "'").code, 1);
    EXPECT_EQ(tb::test::EntriesIn(dir.path()), 0u);
    EXPECT_EQ(Tessera("frobnicate").code, 1);
    EXPECT_EQ(Tessera("register '" + dir.file("none.so") + "'").code, 1);
    EXPECT_EQ(Tessera("info --help").code, 0);
    ASSERT_EQ(Tessera("unregister '" + ProgramDir() + "/TesseraBrisko.so'").code, 0);
    EXPECT_EQ(Tessera("list").out, "");
    EXPECT_EQ(Tessera("html " + Template()).code, 1);
}

TEST_F(TesseraTest, EditWithoutADisplaySaysSoAndWritesNothing) {
    TempDir dir;
    CliRun r = RunShell("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                        TesseraCommand("edit '" + dir.file("new.tsq") + "'") + " 2>&1");
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "tessera: edit shows the designer and needs a display (DISPLAY or "
                     "WAYLAND_DISPLAY)\n");
    EXPECT_EQ(EntriesIn(dir.path()), 0u);
}
