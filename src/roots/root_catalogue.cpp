#include "roots/root_catalogue.h"

namespace qope {

namespace {

struct KeyRange {
    char key;
    RootZone zone;
    int first86, count86, first98, count98;
};

const KeyRange kKeyRanges[] = {
#define QOPE_ROOT_KEY(key, zone, first86, count86, first98, count98) {key, zone, first86, count86, first98, count98},
#define QOPE_ROOT_PICTURES(edition, firstIndex, firstId, count)
#include "roots/root_catalogue.def"
#undef QOPE_ROOT_PICTURES
#undef QOPE_ROOT_KEY
};

struct PictureRun {
    int edition, firstIndex, firstId, count;
};

const PictureRun kPictureRuns[] = {
#define QOPE_ROOT_KEY(key, zone, first86, count86, first98, count98)
#define QOPE_ROOT_PICTURES(edition, firstIndex, firstId, count) {edition, firstIndex, firstId, count},
#include "roots/root_catalogue.def"
#undef QOPE_ROOT_PICTURES
#undef QOPE_ROOT_KEY
};

const RootRule kRules[] = {
#define QOPE_ROOT_RULE(kind, edition, startMod, startOffset, step, wrapAbove, wrapMod, wrapOffset) \
    {kind, edition, startMod, startOffset, step, wrapAbove, wrapMod, wrapOffset},
#define QOPE_ROOT_DRILL(kind, zone, menu, status)
#include "roots/root_rules.def"
#undef QOPE_ROOT_DRILL
#undef QOPE_ROOT_RULE
};

const RootDrillRow kDrills[] = {
#define QOPE_ROOT_RULE(kind, edition, startMod, startOffset, step, wrapAbove, wrapMod, wrapOffset)
#define QOPE_ROOT_DRILL(kind, zone, menu, status) {kind, zone, status},
#include "roots/root_rules.def"
#undef QOPE_ROOT_DRILL
#undef QOPE_ROOT_RULE
};

const KeyRange* RangeOf(int edition, int index) {
    for (const KeyRange& range : kKeyRanges) {
        const int first = edition == 86 ? range.first86 : range.first98;
        const int count = edition == 86 ? range.count86 : range.count98;
        if ((edition == 86 || edition == 98) && index >= first && index < first + count) return &range;
    }
    return nullptr;
}

}  // namespace

int RootCount(int edition) {
    int count = 0;
    for (const KeyRange& range : kKeyRanges) count += edition == 86 ? range.count86 : edition == 98 ? range.count98 : 0;
    return count;
}

char RootKey(int edition, int index) {
    const KeyRange* range = RangeOf(edition, index);
    return range ? range->key : 0;
}

RootZone RootZoneOf(int edition, int index) {
    const KeyRange* range = RangeOf(edition, index);
    return range ? range->zone : kZoneAll;
}

int RootPictureId(int edition, int index) {
    for (const PictureRun& run : kPictureRuns)
        if (run.edition == edition && index >= run.firstIndex && index < run.firstIndex + run.count)
            return run.firstId + (index - run.firstIndex);
    return 0;
}

const RootRule* FindRootRule(int kind, int edition) {
    for (const RootRule& rule : kRules)
        if (rule.kind == kind && rule.edition == edition) return &rule;
    return nullptr;
}

const RootDrillRow* FindRootDrillRow(int kind) {
    for (const RootDrillRow& drill : kDrills)
        if (drill.kind == kind) return &drill;
    return nullptr;
}

std::vector<int> BatchIndices(const RootRule& rule, int start) {
    std::vector<int> indices;
    for (int i = 0, k = start; i < kRootBatch; ++i, k = rule.Next(k)) indices.push_back(k);
    return indices;
}

std::string BatchKeys(const RootRule& rule, int start) {
    std::string keys;
    for (int index : BatchIndices(rule, start)) keys += RootKey(rule.edition, index);
    return keys;
}

}  // namespace qope
