#include "drill/code_drill.h"
#include "drill/key_hint.h"

#include <gtest/gtest.h>

namespace {

using qope::HintedKeys;
using Keys = std::vector<char>;

TEST(KeyHint, LightsTheLettersOfTheCurrentCodeOnly) {
    // A full-code set: the second item is "wqvb".
    const std::string expected = "trntwqvbicy ";
    EXPECT_EQ(HintedKeys(expected, 4, qope::HintLength(qope::kFullCode)), (Keys{'w', 'q', 'v', 'b'}));
    // The last item: the blank lights nothing.
    EXPECT_EQ(HintedKeys(expected, 8, 4), (Keys{'i', 'c', 'y'}));
    // One-level code "g ": only G.
    EXPECT_EQ(HintedKeys("g y ", 0, qope::HintLength(qope::kOneLevel)), (Keys{'g'}));
    // z never lights; a doubled letter is lit twice.
    EXPECT_EQ(HintedKeys("zzaa", 0, 4), (Keys{'a', 'a'}));
    // Past the end of the set nothing is read.
    EXPECT_TRUE(HintedKeys("ab", 2, 4).empty());
    EXPECT_TRUE(HintedKeys("", 0, 4).empty());
}

TEST(KeyHint, ReachesAsFarAsTheDrillsCode) {
    EXPECT_EQ(qope::HintLength(qope::kRootDrill), 1);
    EXPECT_EQ(qope::HintLength(qope::kOneLevel), 2);
    EXPECT_EQ(qope::HintLength(qope::kTwoLevel), 3);
    for (int kind : {3, 4, 12, 13, 14, 15, 16, 17}) EXPECT_EQ(qope::HintLength(kind), 4) << kind;
    EXPECT_EQ(qope::HintLength(qope::kNoDrill), 0);
}

TEST(KeyHint, EveryLetterButZHasAPictureOnTheMap) {
    for (char letter = 'a'; letter <= 'y'; ++letter) {
        const qope::KeyPicture* key = qope::FindKeyPicture(letter);
        ASSERT_TRUE(key) << letter;
        // Over the map drawn at (14, 10), 762 x 265.
        EXPECT_GE(key->x, 14);
        EXPECT_LE(key->x + 70, 14 + 762);
        EXPECT_GE(key->y, 10);
        EXPECT_LE(key->y + 70, 10 + 265);
    }
    EXPECT_EQ(qope::FindKeyPicture('z'), nullptr);
    EXPECT_EQ(qope::FindKeyPicture('w')->id86, 735);
    EXPECT_EQ(qope::FindKeyPicture('g')->id98, 752);
}

}  // namespace
