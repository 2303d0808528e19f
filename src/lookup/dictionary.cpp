#include "lookup/dictionary.h"

#include "drill/code_drill.h"

#include <cstdint>

namespace qope {

const char* const kDictNoZMessage = "请输入带z的编码!!";
const char* const kDictTooManyZMessage = "对不起,最多只能输入带三个z的编码!!";

namespace {

constexpr std::size_t kPatternLength = 4;
constexpr std::size_t kCharacterBytes = 2;  // one GBK character

// Whole records read from the start of a file, at most a limit.
struct RecordBlock {
    std::string bytes;
    int records = 0;
    bool cut = false;     // bytes follow the last whole record, short of another one
    bool failed = false;  // the file could not be read as its length promised
};

// At least `records` whole records lie in the file.
bool Holds(RecordSource& file, int recordLength, int records) {
    char byte;
    return records == 0 || file.ReadAt(std::int64_t{records} * recordLength - 1, &byte, 1);
}

// One read of `limit` records. Only a file shorter than that costs more: one-byte probes
// halve the range to its last whole record, then that much is read in one go.
RecordBlock ReadRecords(RecordSource& file, int recordLength, int limit) {
    RecordBlock block;
    block.bytes.resize(static_cast<std::size_t>(limit) * recordLength);
    if (file.ReadAt(0, block.bytes.data(), static_cast<int>(block.bytes.size()))) {
        block.records = limit;
        return block;
    }
    int low = 0, high = limit;
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (Holds(file, recordLength, middle))
            low = middle;
        else
            high = middle - 1;
    }
    char byte;
    block.cut = low < limit && file.ReadAt(std::int64_t{low} * recordLength, &byte, 1);
    block.bytes.resize(static_cast<std::size_t>(low) * recordLength);
    if (low > 0 && !file.ReadAt(0, block.bytes.data(), static_cast<int>(block.bytes.size()))) {
        block.failed = true;
        low = 0;
    }
    block.records = low;
    return block;
}

bool EndsLine(const char* end) { return end[0] == '\r' && end[1] == '\n'; }

bool IsGbkCharacter(const char* bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    const auto trail = static_cast<unsigned char>(bytes[1]);
    return lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
}

// Record i of the character list, or nullptr when the list lacks it or it is not one
// whole GBK character and CR LF: a stray byte would garble every entry after it.
const char* CharacterAt(const RecordBlock& chars, int i, int recordLength) {
    if (i >= chars.records) return nullptr;
    const char* record = chars.bytes.data() + static_cast<std::size_t>(i) * recordLength;
    return IsGbkCharacter(record) && EndsLine(record + kCharacterBytes) ? record : nullptr;
}

bool Matches(const char* code, std::string_view input, unsigned zMask) {
    for (std::size_t p = 0; p < kPatternLength; ++p)
        if ((zMask >> p & 1u ? 'z' : code[p]) != input[p]) return false;
    return true;
}

}  // namespace

const CodeTableFile& DictionaryTable() { return *FindCodeTable(kFullCode, 86); }

DictQuery ClassifyDictInput(std::string_view input) {
    if (input.size() != kPatternLength) return {DictPattern::NotFourChars};
    unsigned mask = 0;
    for (std::size_t p = 0; p < kPatternLength; ++p)
        if (input[p] == 'z') mask |= 1u << p;
    if (mask == 0) return {DictPattern::NoZ};
    if (mask == 0xF) return {DictPattern::TooManyZ};
    return {DictPattern::Search, mask};
}

const char* DictPatternMessage(DictPattern verdict) {
    switch (verdict) {
    case DictPattern::NoZ: return kDictNoZMessage;
    case DictPattern::TooManyZ: return kDictTooManyZMessage;
    default: return nullptr;
    }
}

DictResult SearchDictionary(std::string_view input, RecordSource& codeFile, RecordSource& charFile,
                            const DictEntrySink& onEntry) {
    DictResult result;
    const DictQuery query = ClassifyDictInput(input);
    result.verdict = query.verdict;
    if (query.verdict != DictPattern::Search) return result;

    const CodeTableFile& table = DictionaryTable();
    const int codeLength = CodeRecordLength(table);
    const int charLength = ItemRecordLength(table);
    const RecordBlock codes = ReadRecords(codeFile, codeLength, kDictRecordLimit);
    RecordBlock chars;
    bool charsRead = false;  // only a search that finds something reads the characters

    int onLine = 0;
    for (int i = 0; i < codes.records; ++i) {
        const char* code = codes.bytes.data() + static_cast<std::size_t>(i) * codeLength;
        if (!EndsLine(code + kPatternLength) || !IsCodeField(std::string_view(code, kPatternLength))) {
            result.damage = DictDamage::CodeFile;
            break;
        }
        if (!Matches(code, input, query.zMask)) continue;
        if (!charsRead) {
            chars = ReadRecords(charFile, charLength, codes.records);
            charsRead = true;
        }
        const char* character = CharacterAt(chars, i, charLength);
        if (!character) {
            result.damage = DictDamage::CharFile;
            break;
        }
        const std::size_t start = result.text.size();
        result.text.append(character, kCharacterBytes).append(code, kPatternLength).push_back(' ');
        if (++onLine == kDictEntriesPerLine) {
            result.text.append("\r\n");
            onLine = 0;
        }
        ++result.matches;
        if (onEntry) onEntry(std::string_view(result.text).substr(start));
    }
    if (result.damage == DictDamage::None && (codes.cut || codes.failed)) result.damage = DictDamage::CodeFile;
    return result;
}

}  // namespace qope
