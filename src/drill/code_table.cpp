#include "drill/code_table.h"

#include <cstring>
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

int ChooseStartIndex(int seconds, int randomValue, int starts) {
    return starts > 0 ? (seconds * randomValue) % starts : 0;
}

bool ReadFields(RecordSource& file, int start, int recordLength, int fieldOffset, int width, std::string& text) {
    std::string read;
    std::vector<char> field(static_cast<size_t>(width));
    for (int i = 0; i < kSetRecords; ++i) {
        const std::int64_t offset = static_cast<std::int64_t>(start + i) * recordLength + fieldOffset;
        if (!file.ReadAt(offset, field.data(), width)) return false;
        if (std::memchr(field.data(), '\0', field.size())) return false;
        read.append(field.data(), field.size());
    }
    text += read;
    return true;
}

SetFailure ReadSet(const CodeTableFile& table, int start, RecordSource& itemFile, RecordSource& codeFile,
                   CodeTable& set) {
    set = CodeTable{};
    const bool paired = table.layout == TableLayout::Paired;
    if (!ReadFields(itemFile, start, ItemRecordLength(table), paired ? 0 : table.codeWidth, table.itemWidth, set.items))
        return SetFailure::ItemFile;
    if (!ReadFields(codeFile, start, CodeRecordLength(table), 0, table.codeWidth, set.codes)) {
        set = CodeTable{};
        return SetFailure::CodeFile;
    }
    set.start = start;
    return SetFailure::None;
}

}  // namespace qope
