#include "drill/code_table.h"

#include <vector>

namespace qope {

namespace {

constexpr TableLayout PAIRED = TableLayout::Paired;
constexpr TableLayout COMBINED = TableLayout::Combined;
constexpr int kLineEnd = 2;  // CR LF

const CodeTableFile kCodeTables[] = {
#define QOPE_CODE_TABLE(kind, edition, layout, item, code, codeWidth, itemWidth, starts) \
    {kind, edition, layout, item, code, codeWidth, itemWidth, starts},
#include "drill/code_tables.def"
#undef QOPE_CODE_TABLE
};

}  // namespace

const CodeTableFile* FindCodeTable(int kind, int edition) {
    for (const CodeTableFile& table : kCodeTables)
        if (table.kind == kind && table.edition == edition) return &table;
    return nullptr;
}

int ItemRecordLength(const CodeTableFile& table) {
    return table.layout == TableLayout::Paired ? table.itemWidth + kLineEnd
                                               : table.codeWidth + table.itemWidth + kLineEnd;
}

int CodeRecordLength(const CodeTableFile& table) {
    return table.layout == TableLayout::Paired ? table.codeWidth + kLineEnd : ItemRecordLength(table);
}

bool IsCodeField(std::string_view field) {
    for (const char c : field)
        if (!((c >= 'a' && c <= 'y') || c == ' ')) return false;
    return true;
}

int ChooseStartIndex(int seconds, int randomValue, int starts) {
    if (starts <= 0) return 0;
    // In 64 bits and folded to 0 .. N - 1: the product of any two ints fits, and a
    // negative one must not name a record before the file.
    const std::int64_t index = static_cast<std::int64_t>(seconds) * randomValue % starts;
    return static_cast<int>(index < 0 ? index + starts : index);
}

namespace {

// Whole GBK double-byte characters, then blanks to the end: a lone lead byte or a stray
// byte would shift every later character and could never be typed.
bool IsItemField(std::string_view field) {
    const int width = static_cast<int>(field.size());
    int i = 0;
    for (; i < width && field[i] != ' '; i += 2) {
        const auto lead = static_cast<unsigned char>(field[i]);
        if (lead < 0x81 || lead > 0xFE || i + 1 == width) return false;
        const auto trail = static_cast<unsigned char>(field[i + 1]);
        if (trail < 0x40 || trail > 0xFE || trail == 0x7F) return false;
    }
    for (; i < width; ++i)
        if (field[i] != ' ') return false;
    return true;
}

// Reads records start .. start + count - 1 whole in one read, checks each ends in CR LF
// and its field at `fieldOffset` passes `isField`, and only then appends the fields to
// `text`. False (and `text` unchanged) means a damaged file: too short, or records that
// no longer line up with the layout.
bool ReadFields(RecordSource& file, int start, int count, int recordLength, int fieldOffset, int width,
                bool (*isField)(std::string_view), std::string& text) {
    if (start < 0 || count <= 0) return false;
    const size_t length = static_cast<size_t>(recordLength);
    std::vector<char> records(static_cast<size_t>(count) * length);
    if (!file.ReadAt(static_cast<std::int64_t>(start) * recordLength, records.data(), static_cast<int>(records.size())))
        return false;
    for (int i = 0; i < count; ++i) {
        const char* record = records.data() + i * length;
        if (record[length - 2] != '\r' || record[length - 1] != '\n') return false;
        if (!isField(std::string_view(record + fieldOffset, static_cast<size_t>(width)))) return false;
    }
    for (int i = 0; i < count; ++i) text.append(records.data() + i * length + fieldOffset, static_cast<size_t>(width));
    return true;
}

}  // namespace

bool ReadItemFields(const CodeTableFile& table, int start, int count, RecordSource& file, std::string& items) {
    return ReadFields(file, start, count, ItemRecordLength(table),
                      table.layout == TableLayout::Paired ? 0 : table.codeWidth, table.itemWidth, IsItemField, items);
}

bool ReadCodeFields(const CodeTableFile& table, int start, int count, RecordSource& file, std::string& codes) {
    return ReadFields(file, start, count, CodeRecordLength(table), 0, table.codeWidth, IsCodeField, codes);
}

SetFailure ReadSet(const CodeTableFile& table, int start, RecordSource& itemFile, RecordSource& codeFile,
                   CodeTable& set) {
    set = CodeTable{};
    if (!ReadItemFields(table, start, kSetRecords, itemFile, set.items)) return SetFailure::ItemFile;
    if (!ReadCodeFields(table, start, kSetRecords, codeFile, set.codes)) {
        set = CodeTable{};
        return SetFailure::CodeFile;
    }
    set.start = start;
    return SetFailure::None;
}

}  // namespace qope
