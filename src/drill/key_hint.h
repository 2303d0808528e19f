// Which keys the key-position hint lights: the letters a-y of the expected code from the
// current code position on, as far as the hint reaches. A blank or z lights nothing; a
// letter that occurs twice is lit twice.
#pragma once

#include <string>
#include <vector>

namespace qope {

// Bytes of the expected code the hint covers for a PracticeKind: one key for the root
// drills, the code width for the others.
int HintLength(int practiceKind);

std::vector<char> HintedKeys(const std::string& expected, int codePos, int length);

struct KeyPicture {
    char letter;
    int id86;
    int id98;
    int x;
    int y;
};

// The key picture of a letter; nullptr for z and anything else.
const KeyPicture* FindKeyPicture(char letter);

}  // namespace qope
