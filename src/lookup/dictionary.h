// The dictionary window's search: every character of the 86 full-code list whose code
// matches a four-letter pattern in which 'z' stands for any letter.
//
// The files are the full-code drill's pair (FindCodeTable(kFullCode, 86)): the code list
// of "code CR LF" records and the character list of "character CR LF" records, record i
// of one belonging to record i of the other. The input field's keys are DictInputChar in
// common/key_filters.h.
#pragma once

#include "drill/code_table.h"

#include <functional>
#include <string>
#include <string_view>

namespace qope {

// Only the first records of the code list are searched.
inline constexpr int kDictRecordLimit = 7300;
inline constexpr int kDictEntriesPerLine = 5;

// The file pair searched (names, record lengths), from code_tables.def.
const CodeTableFile& DictionaryTable();

enum class DictPattern {
    Search,        // 1 to 3 z: searched
    NotFourChars,  // nothing happens until the input is four characters long
    NoZ,           // kDictNoZMessage
    TooManyZ,      // four z: kDictTooManyZMessage
};

// What an input amounts to; for Search, `zMask` has bit p set for each position p
// holding a lower-case 'z'.
struct DictQuery {
    DictPattern verdict;
    unsigned zMask = 0;
};
DictQuery ClassifyDictInput(std::string_view input);

// The window's message for NoZ and TooManyZ (GBK); nullptr otherwise.
const char* DictPatternMessage(DictPattern verdict);
extern const char* const kDictNoZMessage;
extern const char* const kDictTooManyZMessage;

// Which file the search found damaged: shorter than the code list needs, a record cut off
// at the end, or a record not of its layout (a code record without CR LF after its four
// bytes or whose four bytes fail IsCodeField, as the drills read them; a character record
// not one whole GBK character and CR LF). Reported once; what was listed before the damage
// stays.
enum class DictDamage { None, CodeFile, CharFile };

struct DictResult {
    DictPattern verdict = DictPattern::NotFourChars;
    DictDamage damage = DictDamage::None;
    int matches = 0;
    // Every entry: the character, its code as stored, a blank; CR LF after each fifth
    // entry of a line.
    std::string text;
};

// Called once per match with the text it added to DictResult::text (its CR LF included),
// so the window appends only that; the view lasts for the call.
using DictEntrySink = std::function<void(std::string_view entry)>;

// Searches records 0 .. kDictRecordLimit - 1 of the code list (fewer when it ends on a
// record boundary before). Each list is read in one block, the character list at the first
// match; a list shorter than its block costs a few one-byte probes for its end. Nothing is
// read unless the verdict is Search.
DictResult SearchDictionary(std::string_view input, RecordSource& codeFile, RecordSource& charFile,
                            const DictEntrySink& onEntry = {});

}  // namespace qope
