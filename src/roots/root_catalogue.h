// The Wubi root catalogue of both editions, the root drills' rules and the walk of a batch.
#pragma once

#include <string>
#include <vector>

namespace qope {

enum RootZone { kZoneHeng, kZoneShu, kZonePie, kZoneNa, kZoneZhe, kZoneAll };

inline constexpr int kRootBatch = 28;
// RootDrillKind: 1-5 the zones 横 竖 撇 捺 折, 6 all roots.
enum RootDrillKind : int { kZoneHengRoots = 1, kZoneShuRoots, kZonePieRoots, kZoneNaRoots, kZoneZheRoots, kAllRoots };

// Roots in an edition's catalogue (197 for 86, 234 for 98; 0 for another edition).
int RootCount(int edition);
// The key of a catalogue index, by the key ranges in catalogue order; 0 outside them.
char RootKey(int edition, int index);
RootZone RootZoneOf(int edition, int index);
// The picture resource of a catalogue index; 0 outside the catalogue.
int RootPictureId(int edition, int index);

struct RootRule {
    int kind, edition;
    int startMod, startOffset, step, wrapAbove, wrapMod, wrapOffset;

    int Start(int seconds, int randomValue) const { return seconds * randomValue % startMod + startOffset; }
    int Next(int index) const {
        index += step;
        return index > wrapAbove ? index % wrapMod + wrapOffset : index;
    }
};

struct RootDrillRow {
    int kind;
    RootZone zone;
    const char* status;
};

const RootRule* FindRootRule(int kind, int edition);
const RootDrillRow* FindRootDrillRow(int kind);

// The 28 catalogue indices of a batch from `start`, and their keys.
std::vector<int> BatchIndices(const RootRule& rule, int start);
std::string BatchKeys(const RootRule& rule, int start);

}  // namespace qope
