// "Tessera.ini" as the add-in reads it: section names through a buffer of 256 characters,
// values cut to 255, names and keys without regard to case.

#include <gtest/gtest.h>

#include "addin/core/profilefile.h"
#include "tests/support/tempdir.h"

using namespace tb::addin;
using tb::test::TempDir;

namespace {

TEST(ProfileFile, SectionNamesComeInFileOrderEachEndedByAZero) {
    TempDir dir;
    tb::test::WriteFileBytes(dir.file("a.ini"), "; installed widgets\r\n"
                                                "[First.One]\r\nname=One\r\n"
                                                "[ Second.Two ]\r\n\r\n[Third]\r\n");
    const std::string buffer = CProfileFile(dir.file("a.ini")).SectionNamesBuffer(256);
    EXPECT_EQ(buffer, std::string("First.One\0Second.Two\0Third\0", 27));
    EXPECT_EQ(SplitSectionNames(buffer),
              (std::vector<std::string>{"First.One", "Second.Two", "Third"}));
    EXPECT_TRUE(
        SplitSectionNames(CProfileFile(dir.file("none.ini")).SectionNamesBuffer(256)).empty());
    tb::test::WriteFileBytes(dir.file("empty.ini"), "");
    EXPECT_TRUE(
        SplitSectionNames(CProfileFile(dir.file("empty.ini")).SectionNamesBuffer(256)).empty());
}

TEST(ProfileFile, NamesBeyondTheBufferAreNotSeenAndTheCutOneIsDropped) {
    TempDir dir;
    // 100 + 100 characters fit (202 with their zeros); the third name starts at 202 and is
    // cut at 254, so it has no zero of its own within the answered text.
    const std::string a(100, 'a'), b(100, 'b'), c(100, 'c'), d = "D.Widget";
    tb::test::WriteFileBytes(dir.file("long.ini"),
                             "[" + a + "]\n[" + b + "]\n[" + c + "]\n[" + d + "]\n");
    const std::string buffer = CProfileFile(dir.file("long.ini")).SectionNamesBuffer(256);
    EXPECT_EQ(buffer.size(), 254u);
    EXPECT_EQ(SplitSectionNames(buffer), (std::vector<std::string>{a, b}));

    // Exactly filling the buffer (254 characters, its zero and the list's zero) still fits.
    const std::string e(254, 'e');
    tb::test::WriteFileBytes(dir.file("fit.ini"), "[" + e + "]\n");
    EXPECT_EQ(SplitSectionNames(CProfileFile(dir.file("fit.ini")).SectionNamesBuffer(256)),
              std::vector<std::string>{e});
    tb::test::WriteFileBytes(dir.file("over.ini"), "[" + e + "e]\n");
    EXPECT_TRUE(
        SplitSectionNames(CProfileFile(dir.file("over.ini")).SectionNamesBuffer(256)).empty());
}

TEST(ProfileFile, ValuesAreFoundWithoutRegardToCaseAndCutTo255) {
    TempDir dir;
    tb::test::WriteFileBytes(dir.file("w.ini"),
                             "[TesseraServer.Brisko]\r\nName = Brisko 2.0 \r\ndes=\"Quoted\"\r\n"
                             "long=" +
                                 std::string(300, 'x') + "\r\n[Other]\r\nname=Other\r\n");
    const CProfileFile file(dir.file("w.ini"));
    EXPECT_EQ(file.String("tesseraserver.brisko", "NAME", "", 256), "Brisko 2.0");
    EXPECT_EQ(file.String("TesseraServer.Brisko", "des", "", 256), "Quoted");
    EXPECT_EQ(file.String("TesseraServer.Brisko", "long", "", 256), std::string(255, 'x'));
    EXPECT_EQ(file.String("TesseraServer.Brisko", "missing", "", 256), "");
    EXPECT_EQ(file.String("Other", "name", "", 256), "Other");
    EXPECT_EQ(CProfileFile(dir.file("gone.ini")).String("Other", "name", "dflt", 256), "dflt");
}

} // namespace
