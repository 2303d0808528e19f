#include "drill/key_hint.h"

#include "drill/code_drill.h"

namespace qope {

namespace {
const KeyPicture kKeyPictures[] = {
#define QOPE_KEY_PICTURE(letter, id86, id98, x, y) {letter, id86, id98, x, y},
#include "drill/key_pictures.def"
#undef QOPE_KEY_PICTURE
};
}  // namespace

int HintLength(int practiceKind) {
    if (practiceKind == kRootDrill) return 1;
    const DrillKind* drill = FindDrillKind(practiceKind);
    return drill ? drill->codeWidth : 0;
}

std::vector<char> HintedKeys(const std::string& expected, int codePos, int length) {
    std::vector<char> keys;
    for (int i = codePos; i < codePos + length && i < static_cast<int>(expected.size()); ++i) {
        if (i < 0) continue;
        const char ch = expected[static_cast<size_t>(i)];
        if (ch >= 'a' && ch <= 'y') keys.push_back(ch);
    }
    return keys;
}

const KeyPicture* FindKeyPicture(char letter) {
    for (const KeyPicture& picture : kKeyPictures)
        if (picture.letter == letter) return &picture;
    return nullptr;
}

}  // namespace qope
