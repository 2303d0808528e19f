// The root catalogue and the walks of the root batches.
#include "roots/root_catalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using qope::BatchIndices;
using qope::BatchKeys;
using qope::FindRootRule;

TEST(RootCatalogue, SizesKeysAndPictures) {
    EXPECT_EQ(qope::RootCount(86), 197);
    EXPECT_EQ(qope::RootCount(98), 234);
    EXPECT_EQ(qope::RootKey(86, 0), 'q');
    EXPECT_EQ(qope::RootKey(86, 196), 'm');
    EXPECT_EQ(qope::RootKey(98, 233), 'm');
    EXPECT_EQ(qope::RootKey(86, 197), 0);
    EXPECT_EQ(qope::RootKey(86, -1), 0);
    EXPECT_EQ(qope::RootKey(99, 0), 0);
    // Ids as the table lists them, out-of-order pairs included.
    EXPECT_EQ(qope::RootPictureId(86, 0), 774);
    EXPECT_EQ(qope::RootPictureId(86, 2), 777);
    EXPECT_EQ(qope::RootPictureId(86, 7), 783);
    EXPECT_EQ(qope::RootPictureId(86, 8), 782);
    EXPECT_EQ(qope::RootPictureId(86, 196), 975);
    EXPECT_EQ(qope::RootPictureId(98, 11), 1114);
    EXPECT_EQ(qope::RootPictureId(98, 12), 1113);
    EXPECT_EQ(qope::RootPictureId(98, 233), 1064);
    // Every index has one picture of its own.
    for (int edition : {86, 98}) {
        std::set<int> ids;
        for (int i = 0; i < qope::RootCount(edition); ++i) {
            ASSERT_NE(qope::RootPictureId(edition, i), 0) << edition << "/" << i;
            ids.insert(qope::RootPictureId(edition, i));
            ASSERT_NE(qope::RootKey(edition, i), 0);
        }
        EXPECT_EQ(int(ids.size()), qope::RootCount(edition));
    }
}

TEST(AllRootsBatch, WalksTheCatalogueInStridesOf98) {
    const auto* r86 = FindRootRule(qope::kAllRoots, 86);
    const auto* r98 = FindRootRule(qope::kAllRoots, 98);
    ASSERT_TRUE(r86 && r98);
    EXPECT_EQ(BatchIndices(*r86, 0), (std::vector<int>{0, 98, 196, 58, 156, 18, 116, 96, 194, 56, 154, 16, 114, 94,
                                                       192, 54, 152, 14, 112, 92, 190, 52, 150, 12, 110, 90, 188, 50}));
    EXPECT_EQ(BatchKeys(*r86, 0), "qbmuaecbmuawcnmyawcnlyswvnly");
    EXPECT_EQ(BatchIndices(*r98, 0), (std::vector<int>{0, 98, 196, 58, 156, 18, 116, 214, 76, 174, 36, 134, 232, 94,
                                                       192, 54, 152, 14, 112, 210, 72, 170, 32, 130, 228, 90, 188, 50}));
    EXPECT_EQ(BatchKeys(*r98, 0), "qnhygwbkidrcmpaygwnjudevmoay");
    EXPECT_EQ(BatchKeys(*r86, 169), "hrfvnlydqvnlydqvnltdqbpltdqb");
    // Starts leave out the last 27 roots.
    EXPECT_EQ(r86->Start(59, 32767), 59 * 32767 % 170);
    EXPECT_EQ(r98->Start(1, 206), 206);
}

TEST(ZoneBatches, FollowTheirRules) {
    EXPECT_EQ(BatchIndices(*FindRootRule(1, 86), 123),
              (std::vector<int>{123, 141, 159, 129, 147, 136, 154, 124, 142, 131, 149, 138, 156, 126, 144, 133, 151,
                                140, 158, 128, 146, 135, 153, 123, 141, 159, 129, 147}));
    EXPECT_EQ(BatchKeys(*FindRootRule(1, 86), 123), "gdafddagdfsdagdfadafdfagdafd");
    EXPECT_EQ(BatchKeys(*FindRootRule(3, 86), 0), "qerqetwrqetqeterqetwrqetqetw");
    EXPECT_EQ(BatchKeys(*FindRootRule(3, 98), 0), "qwrqerqetqetwrqerqerqetweqwr");
    EXPECT_EQ(BatchKeys(*FindRootRule(5, 98), 98), "nvncbxvncbxvncbxvbxbncbxvncb");
    // In second 0 every zone starts at its first index.
    const int first86[] = {123, 160, 0, 47, 85}, first98[] = {151, 196, 0, 50, 98};
    for (int kind = 1; kind <= 5; ++kind) {
        EXPECT_EQ(FindRootRule(kind, 86)->Start(0, 12345), first86[kind - 1]);
        EXPECT_EQ(FindRootRule(kind, 98)->Start(0, 12345), first98[kind - 1]);
    }
    // The 98 vertical zone never starts beyond 220.
    for (int s = 0; s < 60; ++s)
        for (int r = 0; r < 32768; r += 97) EXPECT_LE(FindRootRule(2, 98)->Start(s, r), 220);
}

TEST(ZoneBatches, NeverLeaveTheirZoneFromAnyStart) {
    for (int kind = 1; kind <= 5; ++kind) {
        const qope::RootZone zone = qope::FindRootDrillRow(kind)->zone;
        for (int edition : {86, 98}) {
            const auto* rule = FindRootRule(kind, edition);
            for (int start = rule->startOffset; start < rule->startOffset + rule->startMod; ++start)
                for (int index : BatchIndices(*rule, start))
                    ASSERT_EQ(qope::RootZoneOf(edition, index), zone)
                        << "kind " << kind << " edition " << edition << " start " << start << " index " << index;
        }
    }
    // All roots stay inside the catalogue.
    for (int edition : {86, 98}) {
        const auto* rule = FindRootRule(qope::kAllRoots, edition);
        for (int start = 0; start < rule->startMod; ++start)
            for (int index : BatchIndices(*rule, start)) ASSERT_NE(qope::RootKey(edition, index), 0);
    }
}

}  // namespace
