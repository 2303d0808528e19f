// What the code lookup shows for the item the drill asks now: its characters and as many
// characters of its code as the drill kind's extent, both taken from the drill's state.
#pragma once

#include "drill/code_drill.h"

#include <optional>
#include <string>

namespace qope {

struct LookupExtent {
    int codeChars;  // characters of the expected code from the code position
    int itemBytes;  // bytes of the reference text from the reference position (0: none)
};

// The extent of a drill kind; nullopt for a kind the lookup does not show.
std::optional<LookupExtent> LookupExtentOf(int practiceKind);

struct Lookup {
    std::string chars;  // GBK
    std::string code;
};

// The lookup of the current item; nullopt for a kind without an extent. Both parts are
// cut to what the texts hold: a position past the end gives an empty part.
std::optional<Lookup> LookupOf(int practiceKind, const std::string& expected, int codePos,
                               const std::string& reference, int refPos);

// The key caps: the bitmap of `key` in `edition`, 0 for a key without a cap (z, digits,
// punctuation, any byte that is not a-y or the space, another edition).
int KeyCapId(char key, int edition);

}  // namespace qope
