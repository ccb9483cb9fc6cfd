#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

#include "platform/core/numfmt.h"

using namespace tb;

namespace {

// A program with a user interface inherits the user's numeric conventions; this puts a
// decimal-comma locale in force for one test and the "C" locale back afterwards.
class GermanNumbers : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE.utf8"))
            GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

} // namespace

TEST_F(GermanNumbers, CLibraryReallyUsesADecimalComma) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.9f", 36526.5);
    EXPECT_EQ(std::string(buffer), "36526,500000000");
}

TEST_F(GermanNumbers, HelpersKeepThePoint) {
    EXPECT_EQ(FormatFixed9(36526.5), "36526.500000000");
    EXPECT_EQ(FormatFixed9(-0.125), "-0.125000000");
    EXPECT_DOUBLE_EQ(AtoF("36526.5"), 36526.5);
    EXPECT_DOUBLE_EQ(AtoF("3,5"), 3.0);
    EXPECT_DOUBLE_EQ(AtoF(" -1.5e2x"), -150.0);
    EXPECT_EQ(AtoI("1.234"), 1);
    EXPECT_EQ(AtoI(" -42"), -42);
    EXPECT_EQ(FormatHex2(255), "ff");
    EXPECT_EQ(FormatHex2(0x1a2b3c), "1a2b3c");
    EXPECT_EQ(FormatInt(-1234567), "-1234567");
}
