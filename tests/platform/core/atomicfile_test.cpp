// The one way every whole file is replaced: what a failure leaves behind and says.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/atomicfile.h"
#include "tests/support/renamefailure.h"
#include "tests/support/tempdir.h"

namespace {

using tb::WriteFileAtomically;
using tb::test::EntriesIn;
using tb::test::ReadFileBytes;
using tb::test::TempDir;
using tb::test::WriteFileBytes;

TEST(AtomicFile, WritesExactBytesAndLeavesOnlyTheTarget) {
    TempDir dir;
    const std::string bytes("a\0b\r\nc", 6);
    std::string why = "untouched";
    ASSERT_TRUE(WriteFileAtomically(dir.file("f.bin"), bytes, &why));
    EXPECT_EQ(why, "untouched");
    EXPECT_EQ(ReadFileBytes(dir.file("f.bin")), bytes);
    ASSERT_TRUE(WriteFileAtomically(dir.file("f.bin"), ""));
    EXPECT_EQ(ReadFileBytes(dir.file("f.bin")), "");
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(AtomicFile, FailuresSayWhyAndKeepThePreviousFile) {
    TempDir dir;
    std::string why;
    EXPECT_FALSE(WriteFileAtomically(dir.file("missing/f.txt"), "x", &why));
    EXPECT_EQ(why, "No such file or directory");
    EXPECT_FALSE(WriteFileAtomically("", "x", &why));
    EXPECT_EQ(why, "no file name");

    const std::string path = dir.file("f.txt");
    WriteFileBytes(path, "previous");
    {
        tb::test::RenameFailure failure;
        EXPECT_FALSE(WriteFileAtomically(path, "next", &why));
    }
    EXPECT_EQ(why, "Input/output error");
    EXPECT_EQ(ReadFileBytes(path), "previous");
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(AtomicFile, AReadOnlyFileStaysAsItIs) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write to any file";
    TempDir dir;
    const std::string path = dir.file("f.txt");
    WriteFileBytes(path, "protected");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    std::string why;
    EXPECT_FALSE(WriteFileAtomically(path, "next", &why));
    EXPECT_EQ(why, "Permission denied");
    EXPECT_EQ(ReadFileBytes(path), "protected");
}

TEST(AtomicFile, BytesMadeInPiecesArriveInOrderAndAProducerThatGivesUpChangesNothing) {
    TempDir dir;
    const std::string path = dir.file("f.txt");
    ASSERT_TRUE(tb::WriteFileAtomicallyFrom(path, [](const tb::ByteEmitter& emit) {
        return emit("one\r\n") && emit("") && emit(std::string(100000, 'x')) && emit("end");
    }));
    EXPECT_EQ(ReadFileBytes(path), "one\r\n" + std::string(100000, 'x') + "end");

    WriteFileBytes(path, "previous");
    std::string why;
    EXPECT_FALSE(tb::WriteFileAtomicallyFrom(
        path, [](const tb::ByteEmitter& emit) { return emit("half of it") && false; }, &why));
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(ReadFileBytes(path), "previous");
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

} // namespace
