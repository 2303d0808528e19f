#include "lookup/code_lookup.h"

namespace qope {

namespace {

struct ExtentRow {
    int kind;
    LookupExtent extent;
};
constexpr ExtentRow kExtents[] = {
    {kOneLevel, {2, 2}},  {kTwoLevel, {3, 2}},   {kThreeLevel, {4, 2}}, {kFullCode, {4, 2}},
    {kRootDrill, {1, 0}}, {kTwoWords, {4, 4}},   {kThreeWords, {4, 6}}, {kFourWords, {4, 8}},
    {kMoreWords, {4, 16}}, {kEndStroke, {4, 2}}, {kWordRoots, {4, 2}},
};

struct KeyCap {
    char key;
    int id86, id98;
};
constexpr KeyCap kKeyCaps[] = {
#define QOPE_KEY_CAP(key, id86, id98) {key, id86, id98},
#include "lookup/key_caps.def"
#undef QOPE_KEY_CAP
};

std::string Part(const std::string& text, int from, int count) {
    if (from < 0 || count <= 0 || static_cast<size_t>(from) >= text.size()) return {};
    return text.substr(static_cast<size_t>(from), static_cast<size_t>(count));
}

}  // namespace

std::optional<LookupExtent> LookupExtentOf(int practiceKind) {
    for (const ExtentRow& row : kExtents)
        if (row.kind == practiceKind) return row.extent;
    return std::nullopt;
}

std::optional<Lookup> LookupOf(int practiceKind, const std::string& expected, int codePos,
                               const std::string& reference, int refPos) {
    const std::optional<LookupExtent> extent = LookupExtentOf(practiceKind);
    if (!extent) return std::nullopt;
    return Lookup{Part(reference, refPos, extent->itemBytes), Part(expected, codePos, extent->codeChars)};
}

int KeyCapId(char key, int edition) {
    for (const KeyCap& cap : kKeyCaps)
        if (cap.key == key) return edition == 86 ? cap.id86 : edition == 98 ? cap.id98 : 0;
    return 0;
}

}  // namespace qope
