#include <gtest/gtest.h>

#include "platform/ui/filefilter.h"

using namespace tb;

namespace {

using Patterns = std::vector<std::string>;

} // namespace

TEST(FileFilter, ReadsPairsWithBlanksAroundTheBars) {
    auto entries = ParseFileFilter("Image Files(*.GIF,*.JPG.*.JPEG) | *.gif;*.jpg;*.jpeg ||");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].description, "Image Files(*.GIF,*.JPG.*.JPEG)");
    EXPECT_EQ(entries[0].patterns, (Patterns{"*.gif", "*.jpg", "*.jpeg"}));

    entries = ParseFileFilter("HTML Files(*.htm;*.html) | *.htm;*.html | All Files(*.*) | *.* ||");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].description, "HTML Files(*.htm;*.html)");
    EXPECT_EQ(entries[0].patterns, (Patterns{"*.htm", "*.html"}));
    EXPECT_EQ(entries[1].description, "All Files(*.*)");
    EXPECT_EQ(entries[1].patterns, (Patterns{"*.*"}));
}

TEST(FileFilter, TrailingDoubleBarIsOptional) {
    auto withBars = ParseFileFilter("Widget Files(*.tsq)|*.tsq|All Files(*.*)|*.*||");
    auto without = ParseFileFilter("Widget Files(*.tsq)|*.tsq|All Files(*.*)|*.*");
    ASSERT_EQ(withBars.size(), 2u);
    ASSERT_EQ(without.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(withBars[i].description, without[i].description);
        EXPECT_EQ(withBars[i].patterns, without[i].patterns);
    }
    auto audio = ParseFileFilter("Audio Files(*.au) | *.au");
    ASSERT_EQ(audio.size(), 1u);
    EXPECT_EQ(audio[0].patterns, (Patterns{"*.au"}));
}

TEST(FileFilter, DoubleBarInTheMiddleEndsTheList) {
    auto entries = ParseFileFilter("Widget Files(*.tsq) | *.tsq||All Files(*.*) | *.*||");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].description, "Widget Files(*.tsq)");
    EXPECT_EQ(entries[0].patterns, (Patterns{"*.tsq"}));
}

TEST(FileFilter, DescriptionWithoutPatternsAndMalformedTexts) {
    auto entries = ParseFileFilter("Text Files");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].patterns.empty());
    entries = ParseFileFilter("Text Files| ; |");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].patterns.empty());

    EXPECT_TRUE(ParseFileFilter("").empty());
    EXPECT_TRUE(ParseFileFilter("||").empty());
    EXPECT_TRUE(ParseFileFilter("|*.txt|Text|*.txt").empty());

    // A run of separators inside a pattern list leaves no empty patterns behind.
    entries = ParseFileFilter("Mixed|;*.a;;*.b;|");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].patterns, (Patterns{"*.a", "*.b"}));
}

TEST(FileFilter, DisplayNameShowsTheRealPatternsOnce) {
    auto name = [](const char* text) { return FilterDisplayName(ParseFileFilter(text).at(0)); };
    // Already shown exactly: unchanged.
    EXPECT_EQ(name("Widget Files(*.tsq)|*.tsq"), "Widget Files(*.tsq)");
    EXPECT_EQ(name("Audio Files(*.au) | *.au"), "Audio Files(*.au)");
    // Shown differently (commas, semicolons, "*.*"): the real list follows.
    EXPECT_EQ(name("Image Files(*.GIF,*.JPG.*.JPEG) | *.gif;*.jpg;*.jpeg ||"),
              "Image Files(*.GIF,*.JPG.*.JPEG) (*.gif *.jpg *.jpeg)");
    EXPECT_EQ(name("HTML Files(*.htm;*.html) | *.htm;*.html"),
              "HTML Files(*.htm;*.html) (*.htm *.html)");
    EXPECT_EQ(name("All Files(*.*)|*.*"), "All Files(*.*) (*)");
    EXPECT_EQ(name("Plain|*.txt"), "Plain (*.txt)");
    EXPECT_EQ(name("Anything"), "Anything (*)");
    EXPECT_EQ(name(" |*.x"), "(*.x)");
}
