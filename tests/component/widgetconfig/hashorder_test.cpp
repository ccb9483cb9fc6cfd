#include "component/hashorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tb::CHashOrderMap;

std::vector<std::string> Keys(const CHashOrderMap& map) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : map)
        keys.push_back(key);
    return keys;
}

// Worked out by hand (h = 33 * h + signed byte, bucket = h mod 17):
//   "A"  = 65                                   -> 65 mod 17 = 14
//   "R"  = 82                                   -> 82 mod 17 = 14 (collides with "A")
//   "B"  = 66                                   -> 15
//   "D"  = 68                                   -> 0
//   "AB" = 65 * 33 + 66 = 2211 = 130 * 17 + 1   -> 1
//   "\xE9A": 0xE9 is -23 as a signed byte: h = 2^32 - 23, then h * 33 + 65 = 2^32 - 694
//            (mod 2^32); since 2^32 = 1 (mod 17), that is 1 - 694 = -693 = 4 (mod 17) -> 4.
//            Taking the byte as unsigned would give 233 * 33 + 65 = 7754 -> 2 instead.
TEST(HashOrderMap, IteratesBucketsAscendingNewestFirst) {
    EXPECT_EQ(tb::HashOrderBucket("A"), 14u);
    EXPECT_EQ(tb::HashOrderBucket("R"), 14u);
    EXPECT_EQ(tb::HashOrderBucket("AB"), 1u);
    EXPECT_EQ(tb::HashOrderBucket("\xE9"
                                  "A"),
              4u);

    CHashOrderMap map;
    for (const char* key : {"B", "A", "D", "R", "AB",
                            "\xE9"
                            "A"})
        map.Set(key, std::string("v") + key);
    EXPECT_EQ(Keys(map), (std::vector<std::string>{"D", "AB",
                                                   "\xE9"
                                                   "A",
                                                   "R", "A", "B"}));
    EXPECT_EQ(map.Size(), 6u);
}

TEST(HashOrderMap, OverwriteKeepsPlaceAndReinsertMovesToFront) {
    CHashOrderMap map;
    map.Set("A", "1");
    map.Set("R", "2");
    map.Set("A", "3"); // replaced in place: "R" stays ahead of it
    EXPECT_EQ(Keys(map), (std::vector<std::string>{"R", "A"}));
    EXPECT_EQ(map.Get("A"), "3");

    EXPECT_TRUE(map.Erase("A"));
    EXPECT_FALSE(map.Erase("A"));
    map.Set("A", "4"); // a new insertion again
    EXPECT_EQ(Keys(map), (std::vector<std::string>{"A", "R"}));
}

TEST(HashOrderMap, KeysAreCaseSensitiveAndMissingKeysReadEmpty) {
    CHashOrderMap map;
    map.Set("Title", "x");
    EXPECT_EQ(map.Find(std::string("title")), nullptr);
    EXPECT_EQ(map.Get("title"), "");
    EXPECT_FALSE(map.Contains("title"));
    EXPECT_EQ(map.Size(), 1u); // Get inserted nothing
}

TEST(HashOrderMap, CopiesKeepOrderAndMovesLeaveSourceEmpty) {
    CHashOrderMap map;
    for (int i = 0; i < 200; ++i)
        map.Set("key" + std::to_string(i), std::to_string(i));
    CHashOrderMap copy(map);
    EXPECT_EQ(Keys(copy), Keys(map));
    copy.Set("key7", "changed");
    EXPECT_EQ(map.Get("key7"), "7");

    CHashOrderMap moved(std::move(copy));
    EXPECT_TRUE(copy.Empty()); // NOLINT(bugprone-use-after-move): defined as emptied
    EXPECT_EQ(moved.Get("key7"), "changed");
    EXPECT_EQ(Keys(moved), Keys(map));
}

TEST(HashOrderMap, StaysConsistentThroughManyInsertsErasesAndOverwrites) {
    CHashOrderMap map;
    const int count = 30000; // the parameters of some ten thousand buttons
    for (int i = 0; i < count; ++i)
        map.Set("I" + std::to_string(i) + "-1", std::to_string(i));
    for (int i = 0; i < count; i += 2)
        ASSERT_TRUE(map.Erase("I" + std::to_string(i) + "-1"));
    for (int i = 1; i < count; i += 4)
        map.Set("I" + std::to_string(i) + "-1", "x");
    EXPECT_EQ(map.Size(), static_cast<size_t>(count / 2));
    size_t seen = 0;
    unsigned lastBucket = 0;
    for (const auto& [key, value] : map) {
        unsigned bucket = tb::HashOrderBucket(key);
        ASSERT_GE(bucket, lastBucket);
        lastBucket = bucket;
        ++seen;
    }
    EXPECT_EQ(seen, map.Size());
    EXPECT_EQ(map.Get("I1-1"), "x");
    EXPECT_EQ(map.Get("I3-1"), "3");
    map.Clear();
    EXPECT_EQ(map.begin(), map.end());
}

} // namespace
