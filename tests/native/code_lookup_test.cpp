// The code lookup's extents and key caps: what it takes from the drill's state.
#include "lookup/code_lookup.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(CodeLookup, ExtentsByKindCutToWhatTheTextsHold) {
    const std::string codes = "ab cd ef ";
    const std::string items = "\xB0\xA1\xB0\xA2\xB0\xA3";
    auto two = qope::LookupOf(qope::kTwoLevel, codes, 3, items, 2);
    ASSERT_TRUE(two);
    EXPECT_EQ(two->code, "cd ");
    EXPECT_EQ(two->chars, "\xB0\xA2");
    // A root drill shows one key and no characters.
    auto root = qope::LookupOf(qope::kRootDrill, "qbm", 1, items, 2);
    EXPECT_EQ(root->code, "b");
    EXPECT_EQ(root->chars, "");
    // Words show their bytes; a many-character word 16 of them.
    EXPECT_EQ(qope::LookupExtentOf(qope::kMoreWords)->itemBytes, 16);
    EXPECT_EQ(qope::LookupExtentOf(qope::kThreeWords)->itemBytes, 6);
    // Past the end of either text: what is there, never a read outside it.
    auto end = qope::LookupOf(qope::kFullCode, codes, 7, items, 5);
    EXPECT_EQ(end->code, "f ");
    EXPECT_EQ(end->chars, "\xA3");
    auto beyond = qope::LookupOf(qope::kFullCode, codes, 40, items, -2);
    EXPECT_EQ(beyond->code, "");
    EXPECT_EQ(beyond->chars, "");
    // No drill, or a kind without an extent: nothing opens.
    EXPECT_FALSE(qope::LookupOf(qope::kNoDrill, codes, 0, items, 0));
}

TEST(CodeLookup, KeyCapsOfEveryKeyAndNoneForTheRest) {
    EXPECT_EQ(qope::KeyCapId('q', 86), 659);
    EXPECT_EQ(qope::KeyCapId('q', 98), 686);
    EXPECT_EQ(qope::KeyCapId(' ', 86), 685);
    EXPECT_EQ(qope::KeyCapId('x', 98), 711);
    for (char key : {'z', '1', ';', 'A', '\0', static_cast<char>(0xB0)}) EXPECT_EQ(qope::KeyCapId(key, 86), 0) << int(key);
    EXPECT_EQ(qope::KeyCapId('q', 99), 0);
    // Every key a-y has a cap in both editions, all distinct.
    std::set<int> ids;
    for (char key = 'a'; key <= 'y'; ++key) {
        ids.insert(qope::KeyCapId(key, 86));
        ids.insert(qope::KeyCapId(key, 98));
    }
    EXPECT_EQ(ids.size(), 50u);
    EXPECT_EQ(ids.count(0), 0u);
}

}  // namespace
