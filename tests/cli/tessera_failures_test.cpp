// What tessera says when its input or its surroundings fail: each failure on one line, with
// what the path is or the system's reason, and nothing half written.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "tests/cli/clirun.h"
#include "tests/support/tempdir.h"

using namespace tb::test;

namespace {

std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}

// A widget file of ours whose applet has the given size and background image name (a
// stored field, so "|_#`" stands for CR LF).
std::string WidgetWithApplet(int width, int height, const std::string& image = "") {
    return "========== Description Part Begin ==========\r\n"
           "ProgID = TesseraServer.Brisko\r\n"
           "========== Description Part End ==========\r\n\r\n"
           "========== Parameter Part Begin ==========\r\n"
           "ApStyle = Brisko,0," +
           std::to_string(width) + "," + std::to_string(height) + ",0,0," + image +
           ",0,0,0,,1,6,10,0,,,,1,Loading\r\n"
           "========== Parameter Part End ==========\r\n";
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST_F(TesseraTest, RenderKeepsThePreviousPictureWhenWritingFails) {
    TempDir dir;
    WriteFileBytes(dir.file("c.png"), "PREVIOUS PICTURE");
    // Every write past 512 bytes fails, as on a full disk.
    CliRun r = RunShell("trap '' XFSZ; ulimit -f 1; " +
                        TesseraCommand("render " + Template() + " " + Quoted(dir.file("c.png"))) +
                        " 2>/dev/null");
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(ReadFileBytes(dir.file("c.png")), "PREVIOUS PICTURE");
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST_F(TesseraTest, RenderNamesTheSizeAndTheLimitOfAPictureTooLarge) {
    TempDir dir;
    WriteFileBytes(dir.file("big.tsq"), WidgetWithApplet(6000, 6000));
    CliRun r =
        TesseraErrors("render " + Quoted(dir.file("big.tsq")) + " " + Quoted(dir.file("x.png")));
    EXPECT_EQ(r.out, "tessera: the applet size 6000 x 6000 cannot be rendered: a picture needs a "
                     "positive width and height and may have at most 33554432 pixels\n");
    // The largest square that fits is rendered.
    WriteFileBytes(dir.file("fits.tsq"), WidgetWithApplet(5792, 5792));
    EXPECT_EQ(
        Tessera("render " + Quoted(dir.file("fits.tsq")) + " " + Quoted(dir.file("x.png"))).code,
        0);
}

TEST_F(TesseraTest, PathsThatAreNoWidgetFilesAreNamedForWhatTheyAre) {
    TempDir dir;
    WriteFileBytes(dir.file("empty.tsq"), "");
    EXPECT_EQ(
        TesseraErrors("render " + Quoted(dir.file("empty.tsq")) + " " + Quoted(dir.file("x.png")))
            .out,
        "tessera: the widget file " + dir.file("empty.tsq") + " names no component\n");
    std::filesystem::create_directory(dir.file("folder.tsq"));
    ASSERT_EQ(::mkfifo(dir.file("pipe.tsq").c_str(), 0600), 0);
    std::filesystem::create_symlink("loop2.tsq", dir.file("loop1.tsq"));
    std::filesystem::create_symlink("loop1.tsq", dir.file("loop2.tsq"));
    for (const char* command : {"info", "html", "render"}) {
        const std::string out = std::string(command) == "render" ? " x.png" : "";
        EXPECT_EQ(
            TesseraErrors(std::string(command) + " " + Quoted(dir.file("folder.tsq")) + out).out,
            "tessera: " + dir.file("folder.tsq") + " is a directory, not a widget file\n");
        EXPECT_EQ(
            TesseraErrors(std::string(command) + " " + Quoted(dir.file("pipe.tsq")) + out).out,
            "tessera: " + dir.file("pipe.tsq") + " is a named pipe, not a widget file\n");
        EXPECT_EQ(
            TesseraErrors(std::string(command) + " " + Quoted(dir.file("loop1.tsq")) + out).out,
            "tessera: cannot open the widget file " + dir.file("loop1.tsq") +
                ": Too many levels of symbolic links\n");
    }
}

TEST_F(TesseraTest, ARegistryTooLargeToReadSaysSoInsteadOfAMissingComponent) {
    const std::string hive =
        std::string(std::getenv("TALLOWBY_REGISTRY_DIR")) + "/HKEY_CLASSES_ROOT.reg";
    ASSERT_EQ(::truncate(hive.c_str(), 65 * 1024 * 1024), 0); // sparse: no disk is used
    const CliRun r = TesseraErrors("info " + Template());
    EXPECT_TRUE(Contains(r.out, "tessera: cannot read the registry: ")) << r.out;
    EXPECT_TRUE(Contains(r.out, "larger than the 64 MiB a hive file may hold")) << r.out;
    EXPECT_FALSE(Contains(r.out, "not installed")) << r.out;
}

TEST_F(TesseraTest, ASaveThatFailsSaysWhy) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("out.tsq"));
    const CliRun r = TesseraErrors("save " + Template() + " " + Quoted(dir.file("out.tsq")));
    EXPECT_TRUE(Contains(r.out, "Cannot save the widget file " + dir.file("out.tsq") +
                                    ": Is a directory\n"))
        << r.out;
    EXPECT_TRUE(Contains(r.out, "tessera: cannot write the widget file " + dir.file("out.tsq")))
        << r.out;
}

TEST_F(TesseraTest, NamesWithLineBreaksStayOnOneLine) {
    TempDir dir;
    WriteFileBytes(dir.file("a\r\nb.gif"), "GIF");
    WriteFileBytes(dir.file("w.tsq"), WidgetWithApplet(100, 50, "a|_#`b.gif"));
    const CliRun r = Tessera("resources " + Quoted(dir.file("w.tsq")));
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out,
              "tlwbtn.class\t" + ProgramDir() + "/\t\n" + "a\\r\\nb.gif\t" + dir.path() + "/\t\n");
    EXPECT_EQ(TesseraErrors("info " + Quoted(dir.file("no\nsuch.tsq"))).out,
              "tessera: no such widget file: " + dir.file("no\\nsuch.tsq") + "\n");
}
