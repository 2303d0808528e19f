// The Wubi code-table files and the reading of one drill set.
//
// Every file is a list of fixed-width GBK records ending in CR LF; nothing is parsed,
// record i lies at byte i × record length. A set is 28 consecutive records: the item
// fields and the code fields, each concatenated in record order.
#pragma once

#include "common/record_source.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace qope {

enum class TableLayout { Paired, Combined };

struct CodeTableFile {
    int kind;            // PracticeKind
    int edition;         // 86 or 98
    TableLayout layout;
    const char* itemFile;
    const char* codeFile;  // "" for a combined file
    int codeWidth;
    int itemWidth;
    int starts;          // N: start records are drawn from 0 .. N - 1
};

inline constexpr int kSetRecords = 28;

// The file row of a drill in an edition; nullptr when the edition has no such drill.
const CodeTableFile* FindCodeTable(int kind, int edition);

// The record length of the item file and of the code file (the same file when combined).
int ItemRecordLength(const CodeTableFile& table);
int CodeRecordLength(const CodeTableFile& table);

// A code field as a learner types it: letters a-y and blanks, nothing else. A NUL, a
// capital, a stored z or any other byte means the file is damaged; every reader of code
// fields (the drills, the dictionary) refuses such a record alike.
bool IsCodeField(std::string_view field);

// The start record of a set: seconds (0-59) × the next rand() value, modulo N; always
// 0 .. N - 1.
int ChooseStartIndex(int seconds, int randomValue, int starts);

struct CodeTable {
    std::string items;  // 28 item fields
    std::string codes;  // 28 code fields: the expected code string
    int start = 0;
};

// The item fields (or the code fields) of records start .. start + count - 1 of one file,
// appended to `text` in record order. False, and `text` unchanged, for a damaged file:
// too short for the records, or one of them not ending in CR LF, with a code field not of
// letters a-y and blanks, or an item field not of whole GBK double-byte characters padded
// with blanks; its items would no longer line up with typeable codes. A negative start
// or a count below 1 fails too.
bool ReadItemFields(const CodeTableFile& table, int start, int count, RecordSource& file, std::string& text);
bool ReadCodeFields(const CodeTableFile& table, int start, int count, RecordSource& file, std::string& text);

// Which file of a set could not be read.
enum class SetFailure { None, ItemFile, CodeFile };

// Reads a set from its files (for a combined layout both sources are the one file): the
// 28 item fields first, then the 28 code fields. The failure names the first damaged file
// (as ReadItemFields and ReadCodeFields judge it); on failure `set` is left empty. A
// negative start fails as the item file.
SetFailure ReadSet(const CodeTableFile& table, int start, RecordSource& itemFile, RecordSource& codeFile,
                   CodeTable& set);

}  // namespace qope
