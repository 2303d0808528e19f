// The Wubi code-table files of data/selectfiles.
//
// A checker for the record format every reader relies on and for the content a learner
// relies on: every code shown is that item's code in that edition. It runs on the shipped
// folder, on a small fixture broken one fault at a time, and on broken copies of the
// shipped files.

#include <gtest/gtest.h>
#include <iconv.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kSetRecords = 28;
// The dictionary scans this many records of the 86 full-code pair.
constexpr int kDictionaryRecords = 7300;

struct TableRow {
    int kind;  // PracticeKind: 1-3 short codes, 4 full codes, 12-15 words, 16 末笔识别码, 17 成字字根
    int edition;
    bool paired;
    std::string itemFile;
    std::string codeFile;  // "" for a combined file
    int codeWidth;
    int itemWidth;
    int starts;  // N

    long Needed() const { return starts + kSetRecords - 1; }
    int ItemRecordLength() const { return paired ? itemWidth + 2 : codeWidth + itemWidth + 2; }
    int CodeRecordLength() const { return paired ? codeWidth + 2 : ItemRecordLength(); }
};

constexpr bool PAIRED = true;
constexpr bool COMBINED = false;

const std::vector<TableRow>& ShippedRows() {
    static const std::vector<TableRow> rows = {
#define QOPE_CODE_TABLE(kind, edition, layout, item, code, codeWidth, itemWidth, starts) \
    {kind, edition, layout, item, code, codeWidth, itemWidth, starts},
#include "drill/code_tables.def"
#undef QOPE_CODE_TABLE
    };
    return rows;
}

const TableRow& ShippedRow(int kind, int edition) {
    for (const TableRow& row : ShippedRows())
        if (row.kind == kind && row.edition == edition) return row;
    throw std::logic_error("no such row");
}

std::string ShippedFolder() { return QOPE_SOURCE_DIR "/data/selectfiles"; }

enum class Fault {
    MissingFile,
    RecordLength,   // size not a multiple of the record length
    LineEnd,        // a record not ending in CR LF
    CodeField,      // not a-y letters then blanks, or the wrong number of letters
    ItemField,      // not whole GBK hanzi then blanks, or the wrong number of them
    TooFewRecords,  // fewer than N + 27, or than the dictionary scans
    UnequalPair,    // the item and code file of a pair differ in length
    NoFullCode,     // a character missing from the edition's full-code file
    NotPrefix,      // a short code that is not a shorter start of the full code
    WordRule,       // a word code that does not follow from its characters' full codes
    NotIdentified,  // a 末笔识别码 entry whose code cannot end in an identification code
    NotFullCode,    // a 末笔识别码 or 成字字根 code other than the full code
    Duplicate,      // an item, or a short code, listed twice
    Padding,        // repeats that are not the list again from its start, or more than needed
    Mixing,         // short codes bunched on one first key
    OneLevel,       // the one-level file not the 25 keys a-y once each
    Coverage,       // the dictionary's records lack a GB2312 character
};

const char* FaultName(Fault fault) {
    static const char* const names[] = {
        "missing file", "record length", "line end", "code field", "item field",
        "too few records", "unequal pair", "no full code", "not a prefix", "word rule",
        "not identified", "not the full code", "duplicate", "padding", "mixing", "one level",
        "coverage"};
    return names[static_cast<int>(fault)];
}

void PrintTo(Fault fault, std::ostream* out) { *out << FaultName(fault); }

struct Finding {
    Fault fault;
    std::string file;
    long record;  // -1: the whole file
    std::string detail;
};

std::ostream& operator<<(std::ostream& out, const Finding& f) {
    out << f.file;
    if (f.record >= 0) out << " record " << f.record;
    return out << ": " << FaultName(f.fault) << ": " << f.detail;
}

struct Rules {
    // Records the dictionary scans in the 86 full-code pair; the GB2312 hanzi must lie
    // among them. 0 leaves the check out (small fixtures).
    long dictionaryRecords = kDictionaryRecords;
    // At most this many of 28 consecutive short-code records share a first key.
    int maxFirstKeyInSet = 4;
};

// GBK double-byte characters to code points, through the C library.
class Gbk {
public:
    Gbk() : cd_(iconv_open("UTF-32LE", "GBK")) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GBK converter");
    }
    ~Gbk() { iconv_close(cd_); }
    Gbk(const Gbk&) = delete;
    Gbk& operator=(const Gbk&) = delete;

    // A CJK unified ideograph of GBK (U+4E00..U+9FA5).
    bool IsHanzi(const std::string& twoBytes) {
        auto [it, fresh] = cache_.try_emplace(twoBytes, 0);
        if (fresh) it->second = Decode(twoBytes);
        return it->second >= 0x4E00 && it->second <= 0x9FA5;
    }

private:
    char32_t Decode(const std::string& twoBytes) {
        char in[2] = {twoBytes[0], twoBytes[1]};
        unsigned char out[8] = {};
        char* inPtr = in;
        char* outPtr = reinterpret_cast<char*>(out);
        size_t inLeft = sizeof in, outLeft = sizeof out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0 ||
            outLeft != sizeof out - 4)
            return 0;
        return static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
    }

    iconv_t cd_;
    std::map<std::string, char32_t> cache_;
};

bool IsGb2312Hanzi(unsigned char lead, unsigned char trail) {
    return lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE && !(lead == 0xD7 && trail >= 0xFA);
}

std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The code letters of a field: a-y letters followed only by blanks.
std::optional<std::string> CodeLetters(const std::string& field) {
    size_t n = 0;
    while (n < field.size() && field[n] >= 'a' && field[n] <= 'y') ++n;
    if (n == 0 || field.find_first_not_of(' ', n) != std::string::npos) return std::nullopt;
    return field.substr(0, n);
}

// The characters (two bytes each) of an item field: GBK hanzi followed only by blanks.
std::optional<std::vector<std::string>> ItemCharacters(const std::string& field, Gbk& gbk) {
    std::vector<std::string> chars;
    size_t i = 0;
    while (i + 1 < field.size() && static_cast<unsigned char>(field[i]) >= 0x81) {
        std::string ch = field.substr(i, 2);
        if (!gbk.IsHanzi(ch)) return std::nullopt;
        chars.push_back(ch);
        i += 2;
    }
    if (chars.empty() || field.find_first_not_of(' ', i) != std::string::npos) return std::nullopt;
    return chars;
}

std::pair<size_t, size_t> CodeLengths(const TableRow& row) {
    switch (row.kind) {
    case 1: case 2: case 3: return {row.codeWidth - 1, row.codeWidth - 1};  // the letters, then one blank
    case 4: case 16: case 17: return {3, 4};                                  // a full code
    default: return {4, 4};                                                   // a word code
    }
}

std::pair<size_t, size_t> ItemLengths(const TableRow& row) {
    switch (row.kind) {
    case 12: return {2, 2};
    case 13: return {3, 3};
    case 14: return {4, 4};
    case 15: return {5, 10};
    default: return {1, 1};
    }
}

// The word-coding rule: two characters take the first two keys of each; three the first
// key of the first two and the first two keys of the third; four or more the first key of
// the first three and of the last.
std::string WordCode(const std::vector<const std::string*>& codes) {
    const std::string &a = *codes[0], &b = *codes[1], &c = *codes[codes.size() > 2 ? 2 : 1];
    if (codes.size() == 2) return a.substr(0, 2) + b.substr(0, 2);
    if (codes.size() == 3) return {a[0], b[0], c[0], c[1]};
    return {a[0], b[0], c[0], codes.back()->front()};
}

bool IsIdentificationKey(char key) {
    // stroke type (横 竖 撇 捺 折) by shape (left-right, top-bottom, mixed): 11 … 53
    return std::string_view("gfdhjktreyuinbv").find(key) != std::string_view::npos;
}

class Checker {
public:
    Checker(std::string folder, const std::vector<TableRow>& rows, Rules rules)
        : folder_(std::move(folder)), rows_(rows), rules_(rules) {}

    std::vector<Finding> Run() {
        std::vector<Table> tables;
        for (const TableRow& row : rows_)
            if (auto table = Load(row)) tables.push_back(std::move(*table));
        for (Table& table : tables) CheckFields(table);
        for (const Table& table : tables) {
            if (table.row->kind == 4) {
                auto& codes = full_[table.row->edition];
                for (const Record& r : table.records)
                    if (r.ok) codes.emplace(r.chars[0], r.code);
            }
            if (table.row->kind == 17)
                for (const Record& r : table.records)
                    if (r.ok) roots_[table.row->edition].insert(r.chars[0]);
        }
        for (const Table& table : tables) CheckContent(table);
        for (const auto& [key, count] : counts_)
            if (count > kShownPerKind)
                findings_.push_back({key.second, key.first, -1, std::to_string(count - kShownPerKind) + " more"});
        return findings_;
    }

private:
    static constexpr int kShownPerKind = 5;

    struct Record {
        std::string itemField, codeField;
        std::vector<std::string> chars;  // after CheckFields
        std::string code;
        bool ok = false;
    };
    struct Table {
        const TableRow* row;
        std::vector<Record> records;
        std::string codeFile;  // where code-field faults lie
    };

    void Add(Fault fault, const std::string& file, long record, std::string detail) {
        if (!seen_.insert({fault, file, record, detail}).second) return;  // a file two rows share
        if (++counts_[{file, fault}] <= kShownPerKind) findings_.push_back({fault, file, record, std::move(detail)});
    }

    // The records of one file without their CR LF; nullopt when it cannot be used at all.
    std::optional<std::vector<std::string>> Records(const std::string& name, int length) {
        auto blob = ReadFile(folder_ + "/" + name);
        if (!blob) {
            Add(Fault::MissingFile, name, -1, "cannot be read");
            return std::nullopt;
        }
        if (blob->size() % static_cast<size_t>(length) != 0) {
            Add(Fault::RecordLength, name, -1,
                std::to_string(blob->size()) + " bytes, records of " + std::to_string(length));
            return std::nullopt;
        }
        std::vector<std::string> records;
        for (size_t at = 0; at < blob->size(); at += static_cast<size_t>(length)) {
            std::string record = blob->substr(at, static_cast<size_t>(length));
            if (record.compare(record.size() - 2, 2, "\r\n") != 0)
                Add(Fault::LineEnd, name, static_cast<long>(records.size()), "no CR LF at the end");
            records.push_back(record.substr(0, record.size() - 2));
        }
        return records;
    }

    std::optional<Table> Load(const TableRow& row) {
        Table table{&row, {}, row.paired ? row.codeFile : row.itemFile};
        auto items = Records(row.itemFile, row.ItemRecordLength());
        if (!row.paired) {
            if (!items) return std::nullopt;
            for (const std::string& r : *items) {
                Record& record = table.records.emplace_back();
                record.codeField = r.substr(0, static_cast<size_t>(row.codeWidth));
                record.itemField = r.substr(static_cast<size_t>(row.codeWidth));
            }
            return table;
        }
        auto codes = Records(row.codeFile, row.CodeRecordLength());
        if (!items || !codes) return std::nullopt;
        if (items->size() != codes->size())
            Add(Fault::UnequalPair, row.itemFile, -1,
                std::to_string(items->size()) + " records, " + row.codeFile + " " + std::to_string(codes->size()));
        for (size_t i = 0; i < std::min(items->size(), codes->size()); ++i)
            table.records.push_back({(*items)[i], (*codes)[i], {}, {}, false});
        return table;
    }

    void CheckFields(Table& table) {
        const TableRow& row = *table.row;
        const auto [codeMin, codeMax] = CodeLengths(row);
        const auto [itemMin, itemMax] = ItemLengths(row);
        for (size_t i = 0; i < table.records.size(); ++i) {
            Record& r = table.records[i];
            const long at = static_cast<long>(i);
            auto letters = CodeLetters(r.codeField);
            auto chars = ItemCharacters(r.itemField, gbk_);
            if (!letters)
                Add(Fault::CodeField, table.codeFile, at, "\"" + r.codeField + "\" is not a-y letters then blanks");
            else if (letters->size() < codeMin || letters->size() > codeMax)
                Add(Fault::CodeField, table.codeFile, at, "\"" + *letters + "\" has the wrong number of letters");
            if (!chars)
                Add(Fault::ItemField, row.itemFile, at, "not whole GBK hanzi then blanks");
            else if (chars->size() < itemMin || chars->size() > itemMax)
                Add(Fault::ItemField, row.itemFile, at, std::to_string(chars->size()) + " characters");
            if (letters && chars && letters->size() >= codeMin && letters->size() <= codeMax &&
                chars->size() >= itemMin && chars->size() <= itemMax) {
                r.code = *letters;
                r.chars = *chars;
                r.ok = true;
            }
        }
    }

    const std::string* FullCode(int edition, const std::string& ch) const {
        auto codes = full_.find(edition);
        if (codes == full_.end()) return nullptr;
        auto it = codes->second.find(ch);
        return it == codes->second.end() ? nullptr : &it->second;
    }

    void CheckContent(const Table& table) {
        const TableRow& row = *table.row;
        const std::string& file = row.itemFile;
        const auto& records = table.records;
        const long count = static_cast<long>(records.size());
        if (count < row.Needed())
            Add(Fault::TooFewRecords, file, -1,
                std::to_string(count) + " records, " + std::to_string(row.Needed()) + " needed");
        if (row.kind == 4 && row.edition == 86 && rules_.dictionaryRecords > 0) CheckDictionary(table);

        // The distinct entries, then (only where they are fewer than needed) the same again.
        std::set<std::pair<std::string, std::string>> entries;
        long distinct = 0;
        while (distinct < count &&
               entries.insert({records[distinct].itemField, records[distinct].codeField}).second)
            ++distinct;
        for (long i = distinct; i < count; ++i) {
            if (records[i].itemField != records[i - distinct].itemField ||
                records[i].codeField != records[i - distinct].codeField) {
                Add(Fault::Padding, file, i, "not record " + std::to_string(i - distinct) + " again");
                break;
            }
        }
        if (distinct < count && count > row.Needed())
            Add(Fault::Padding, file, -1, "repeats beyond the " + std::to_string(row.Needed()) + " records needed");

        std::set<std::string> items, codes, keys;
        for (long i = 0; i < distinct; ++i) {
            const Record& r = records[i];
            if (!items.insert(r.itemField).second) Add(Fault::Duplicate, file, i, "item listed before");
            if (row.kind <= 3 && !codes.insert(r.codeField).second)
                Add(Fault::Duplicate, table.codeFile, i, "code " + r.code + " listed before");
            if (r.ok) CheckEntry(table, i, r);
            if (row.kind == 1 && r.ok) keys.insert(r.code);
        }
        if (row.kind == 1 && (distinct != 25 || keys.size() != 25))
            Add(Fault::OneLevel, file, -1, std::to_string(distinct) + " entries on " +
                                               std::to_string(keys.size()) + " keys");
        if (row.kind == 2 || row.kind == 3) CheckMixing(table);
    }

    void CheckEntry(const Table& table, long i, const Record& r) {
        const TableRow& row = *table.row;
        const std::string& file = row.itemFile;
        if (row.kind == 4) return;  // the reference itself
        std::vector<const std::string*> full;
        for (const std::string& ch : r.chars) {
            const std::string* code = FullCode(row.edition, ch);
            if (!code) {
                Add(Fault::NoFullCode, file, i, "\"" + ch + "\" is not in the " + std::to_string(row.edition) +
                                                    " full-code file");
                return;
            }
            full.push_back(code);
        }
        const std::string& own = *full.front();
        switch (row.kind) {
        case 2: case 3:
            if (own.size() <= r.code.size() || own.compare(0, r.code.size(), r.code) != 0)
                Add(Fault::NotPrefix, table.codeFile, i, r.code + " against the full code " + own);
            break;
        case 12: case 13: case 14: case 15:
            if (WordCode(full) != r.code)
                Add(Fault::WordRule, table.codeFile, i, r.code + ", the rule gives " + WordCode(full));
            break;
        case 16: {
            if (r.code != own) Add(Fault::NotFullCode, table.codeFile, i, r.code + ", the full code is " + own);
            const bool keyName = r.code.size() == 4 && r.code.find_first_not_of(r.code[0]) == std::string::npos;
            const bool root = roots_.count(row.edition) && roots_.at(row.edition).count(r.chars[0]);
            if (!IsIdentificationKey(r.code.back()) || keyName || root)
                Add(Fault::NotIdentified, table.codeFile, i,
                    r.code + (keyName ? " is a key name" : root ? " is a character root" : " ends in no identification key"));
            break;
        }
        case 17:
            if (r.code != own) Add(Fault::NotFullCode, table.codeFile, i, r.code + ", the full code is " + own);
            break;
        default:
            break;
        }
    }

    void CheckDictionary(const Table& table) {
        const std::string& file = table.row->itemFile;
        const long scanned = std::min(rules_.dictionaryRecords, static_cast<long>(table.records.size()));
        if (scanned < rules_.dictionaryRecords)
            Add(Fault::TooFewRecords, file, -1,
                std::to_string(table.records.size()) + " records, the dictionary scans " +
                    std::to_string(rules_.dictionaryRecords));
        std::set<std::string> present;
        for (long i = 0; i < scanned; ++i) present.insert(table.records[i].itemField);
        long missing = 0;
        std::string first;
        for (int lead = 0xB0; lead <= 0xF7; ++lead)
            for (int trail = 0xA1; trail <= 0xFE; ++trail)
                if (IsGb2312Hanzi(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)) &&
                    !present.count({static_cast<char>(lead), static_cast<char>(trail)}) && !missing++)
                    first = {static_cast<char>(lead), static_cast<char>(trail)};
        if (missing)
            Add(Fault::Coverage, file, -1,
                std::to_string(missing) + " GB2312 hanzi not among the first " + std::to_string(scanned) +
                    " records, the first \"" + first + "\"");
    }

    void CheckMixing(const Table& table) {
        const auto& records = table.records;
        std::vector<char> first;
        for (const Record& r : records) first.push_back(r.codeField[0]);
        for (size_t i = 1; i < first.size(); ++i)
            if (first[i] == first[i - 1])
                Add(Fault::Mixing, table.codeFile, static_cast<long>(i), std::string("follows a code on ") + first[i]);
        std::map<char, int> inSet;
        for (size_t i = 0; i < first.size(); ++i) {
            ++inSet[first[i]];
            if (i >= kSetRecords) --inSet[first[i - kSetRecords]];
            if (i + 1 >= kSetRecords && inSet[first[i]] > rules_.maxFirstKeyInSet)
                Add(Fault::Mixing, table.codeFile, static_cast<long>(i + 1 - kSetRecords),
                    std::to_string(inSet[first[i]]) + " of the 28 records from here start with " + first[i]);
        }
    }

    std::string folder_;
    const std::vector<TableRow>& rows_;
    Rules rules_;
    Gbk gbk_;
    std::map<int, std::map<std::string, std::string>> full_;  // edition: character -> full code
    std::map<int, std::set<std::string>> roots_;              // edition: character roots
    std::set<std::tuple<Fault, std::string, long, std::string>> seen_;
    std::map<std::pair<std::string, Fault>, int> counts_;
    std::vector<Finding> findings_;
};

std::vector<Finding> CheckFolder(const std::string& folder, const std::vector<TableRow>& rows,
                                 const Rules& rules = {}) {
    return Checker(folder, rows, rules).Run();
}

std::set<Fault> FaultsOf(const std::vector<Finding>& findings) {
    std::set<Fault> faults;
    for (const Finding& f : findings) faults.insert(f.fault);
    return faults;
}

std::string Describe(const std::vector<Finding>& findings) {
    std::ostringstream out;
    for (const Finding& f : findings) out << "  " << f << "\n";
    return out.str();
}

// The entries of a table as (item, code), blanks removed, in record order.
std::vector<std::pair<std::string, std::string>> Entries(const std::string& folder, const TableRow& row) {
    auto trim = [](std::string s) { return s.substr(0, s.find(' ')); };
    std::vector<std::pair<std::string, std::string>> entries;
    auto items = ReadFile(folder + "/" + row.itemFile);
    if (!items) return entries;
    if (row.paired) {
        auto codes = ReadFile(folder + "/" + row.codeFile);
        if (!codes) return entries;
        for (size_t i = 0, j = 0; i < items->size() && j < codes->size();
             i += static_cast<size_t>(row.ItemRecordLength()), j += static_cast<size_t>(row.CodeRecordLength()))
            entries.emplace_back(trim(items->substr(i, static_cast<size_t>(row.itemWidth))),
                                 trim(codes->substr(j, static_cast<size_t>(row.codeWidth))));
    } else {
        for (size_t i = 0; i < items->size(); i += static_cast<size_t>(row.ItemRecordLength()))
            entries.emplace_back(trim(items->substr(i + static_cast<size_t>(row.codeWidth), static_cast<size_t>(row.itemWidth))),
                                 trim(items->substr(i, static_cast<size_t>(row.codeWidth))));
    }
    return entries;
}

std::map<std::string, std::string> CodesOf(const std::string& folder, const TableRow& row) {
    std::map<std::string, std::string> codes;
    for (auto& [item, code] : Entries(folder, row)) codes.emplace(item, code);
    return codes;
}

// --- the shipped files ---------------------------------------------------------------------

TEST(ShippedCodeTables, PassEveryCheck) {
    const auto findings = CheckFolder(ShippedFolder(), ShippedRows());
    EXPECT_TRUE(findings.empty()) << Describe(findings);
}

TEST(ShippedCodeTables, FullCodesOfWellKnownCharacters) {
    const std::pair<const char*, const char*> codes86[] = {
        {"我", "trnt"}, {"的", "rqyy"}, {"是", "jghu"}, {"汉", "icy"}, {"字", "pbf"},
        {"一", "ggll"}, {"工", "aaaa"}, {"人", "wwww"}, {"在", "dhfd"}, {"有", "def"},
        {"了", "bnh"},  {"不", "gii"},  {"国", "lgyi"}, {"中", "khk"},  {"上", "hhgg"},
        {"大", "dddd"}, {"地", "fbn"},  {"经", "xcag"}, {"男", "llb"},  {"笔", "ttfn"}};
    // 98 moved 力 to E, took 丆 as a root and follows the written stroke order.
    const std::pair<const char*, const char*> codes98[] = {
        {"我", "trny"}, {"不", "dhi"},  {"为", "yeyi"}, {"力", "ent"},  {"男", "ler"},
        {"笔", "teb"},  {"的", "rqyy"}, {"是", "jghu"}, {"汉", "icy"},  {"字", "pbf"},
        {"一", "ggll"}, {"工", "aaaa"}, {"人", "wwww"}, {"在", "dhfd"}, {"有", "def"},
        {"了", "bnh"},  {"国", "lgyi"}, {"中", "khk"},  {"上", "hhgg"}, {"经", "xcag"}};
    const auto full86 = CodesOf(ShippedFolder(), ShippedRow(4, 86));
    const auto full98 = CodesOf(ShippedFolder(), ShippedRow(4, 98));
    for (auto [ch, code] : codes86) {
        ASSERT_TRUE(full86.count(ch)) << ch;
        EXPECT_EQ(full86.at(ch), code) << "86 " << ch;
    }
    for (auto [ch, code] : codes98) {
        ASSERT_TRUE(full98.count(ch)) << ch;
        EXPECT_EQ(full98.at(ch), code) << "98 " << ch;
    }
}

TEST(ShippedCodeTables, WellKnownShortAndWordCodes) {
    struct Known { int kind, edition; const char* item; const char* code; };
    const Known known[] = {
        {2, 86, "不", "gi"},     {2, 86, "这", "yp"},     {2, 98, "大", "dd"},    {2, 98, "们", "wu"},
        {3, 86, "的", "rqy"},    {3, 98, "的", "rqy"},    {12, 86, "中国", "khlg"}, {12, 98, "中国", "khlg"},
        {12, 86, "我们", "trwu"}, {12, 86, "没有", "imde"}, {12, 98, "没有", "iwde"},
        {13, 86, "计算机", "ytsm"}, {13, 98, "计算机", "ytsw"},
        {15, 86, "中华人民共和国", "kwwl"}, {15, 98, "中华人民共和国", "kwwl"}};
    for (const Known& k : known) {
        const auto codes = CodesOf(ShippedFolder(), ShippedRow(k.kind, k.edition));
        ASSERT_TRUE(codes.count(k.item)) << k.edition << " kind " << k.kind << " " << k.item;
        EXPECT_EQ(codes.at(k.item), k.code) << k.edition << " " << k.item;
    }
}

TEST(ShippedCodeTables, OneLevelCodesAreOneFileForBothEditions) {
    const TableRow& row86 = ShippedRow(1, 86);
    const TableRow& row98 = ShippedRow(1, 98);
    EXPECT_EQ(row86.itemFile, row98.itemFile);
    const auto entries = Entries(ShippedFolder(), row86);
    ASSERT_GE(entries.size(), 25u);
    // the key names' order across the keyboard zones, with the character of each key
    const std::string keys = "gfdsahjklmtrewqyuiopnbvcx";
    const std::string chars = "一地在要工上是中国同和的有人我主产不为这民了发以经";
    for (size_t i = 0; i < 25; ++i) {
        EXPECT_EQ(entries[i].second, keys.substr(i, 1));
        EXPECT_EQ(entries[i].first, chars.substr(2 * i, 2)) << keys[i];
    }
}

TEST(ShippedCodeTables, DictionaryPairStartsWithTheMostFrequentCharacters) {
    const auto entries = Entries(ShippedFolder(), ShippedRow(4, 86));
    ASSERT_GE(entries.size(), static_cast<size_t>(kDictionaryRecords));
    EXPECT_EQ(entries[0], std::make_pair(std::string("的"), std::string("rqyy")));
    EXPECT_EQ(entries[1], std::make_pair(std::string("一"), std::string("ggll")));
    // the GB2312 set first, so that all 6763 lie within what the dictionary scans
    for (size_t i = 0; i < 6763; ++i)
        ASSERT_TRUE(IsGb2312Hanzi(static_cast<unsigned char>(entries[i].first[0]),
                                  static_cast<unsigned char>(entries[i].first[1])))
            << "record " << i;
}

// --- a small fixture, broken one way at a time ---------------------------------------------

using List = std::vector<std::pair<std::string, std::string>>;

const List kFull86 = {
    {"的", "rqyy"}, {"一", "ggll"}, {"是", "jghu"}, {"不", "gii"},  {"了", "bnh"},  {"在", "dhfd"},
    {"人", "wwww"}, {"有", "def"},  {"我", "trnt"}, {"他", "wbn"},  {"这", "ypi"},  {"中", "khk"},
    {"上", "hhgg"}, {"为", "ylyi"}, {"个", "whj"},  {"国", "lgyi"}, {"地", "fbn"},  {"要", "svf"},
    {"工", "aaaa"}, {"同", "mgkd"}, {"和", "tkg"},  {"主", "ygd"},  {"产", "ute"},  {"民", "nav"},
    {"发", "ntcy"}, {"以", "nywy"}, {"经", "xcag"}, {"们", "wun"},  {"作", "wthf"}, {"没", "imcy"},
    {"汉", "icy"},  {"字", "pbf"},  {"华", "wxfj"}, {"共", "awu"},  {"五", "gghg"}, {"士", "fghg"},
    {"二", "fgg"},  {"干", "fggh"}, {"力", "ltn"},  {"王", "gggg"}, {"大", "dddd"}, {"生", "tgd"},
    {"时", "jfy"},  {"出", "bmk"}};
const List kFull98 = {
    {"的", "rqyy"}, {"一", "ggll"}, {"是", "jghu"}, {"不", "dhi"},  {"了", "bnh"},  {"在", "dhfd"},
    {"人", "wwww"}, {"有", "def"},  {"我", "trny"}, {"这", "ypi"},  {"中", "khk"},  {"上", "hhgg"},
    {"为", "yeyi"}, {"国", "lgyi"}, {"地", "fbn"},  {"要", "svf"},  {"工", "aaaa"}, {"同", "mgkd"},
    {"和", "tkg"},  {"主", "ygd"},  {"产", "ute"},  {"民", "nav"},  {"发", "ntcy"}, {"以", "nywy"},
    {"经", "xcag"}, {"会", "wfcu"}, {"子", "bbbb"}, {"学", "ipbf"}, {"用", "etnh"}, {"动", "fcet"},
    {"什", "wfh"},  {"么", "tcu"},  {"差", "uaf"},  {"多", "qqu"},  {"他", "wbn"}};
const List kOne = {
    {"一", "g"}, {"地", "f"}, {"在", "d"}, {"要", "s"}, {"工", "a"}, {"上", "h"}, {"是", "j"},
    {"中", "k"}, {"国", "l"}, {"同", "m"}, {"和", "t"}, {"的", "r"}, {"有", "e"}, {"人", "w"},
    {"我", "q"}, {"主", "y"}, {"产", "u"}, {"不", "i"}, {"为", "o"}, {"这", "p"}, {"民", "n"},
    {"了", "b"}, {"发", "v"}, {"以", "c"}, {"经", "x"}};
const List kTwo86 = {{"不", "gi"}, {"中", "kh"}, {"地", "fb"}, {"要", "sv"}, {"经", "xc"},
                     {"同", "mg"}, {"产", "ut"}, {"民", "na"}, {"这", "yp"}, {"大", "dd"},
                     {"个", "wh"}, {"生", "tg"}, {"时", "jf"}, {"出", "bm"}};  // 14 first keys
const List kThree98 = {{"的", "rqy"}, {"在", "dhf"}, {"为", "yey"}, {"会", "wfc"}, {"子", "bbb"},
                       {"学", "ipb"}, {"发", "ntc"}, {"用", "etn"}, {"动", "fce"}};
const List kShibie86 = {{"的", "rqyy"}, {"是", "jghu"}, {"不", "gii"}, {"在", "dhfd"}, {"有", "def"},
                        {"地", "fbn"},  {"这", "ypi"},  {"汉", "icy"}, {"字", "pbf"},  {"和", "tkg"}};
const List kRoots86 = {{"五", "gghg"}, {"士", "fghg"}, {"二", "fgg"}, {"干", "fggh"}, {"力", "ltn"}};
const List kWords2_86 = {{"中国", "khlg"}, {"我们", "trwu"}, {"汉字", "icpb"}, {"一个", "ggwh"},
                         {"工作", "aawt"}, {"没有", "imde"}};
const List kWords3_98 = {{"为什么", "ywtc"}, {"差不多", "udqq"}};
const List kWordsMore86 = {{"中华人民共和国", "kwwl"}};

// One file of each layout and of each kind of check, N = 1 (28 records) unless noted.
const std::vector<TableRow> kFixtureRows = {
    {1, 86, COMBINED, "OneChinese.txt", "", 2, 2, 1},
    {1, 98, COMBINED, "OneChinese.txt", "", 2, 2, 1},
    {2, 86, PAIRED, "TwoChinese.txt", "TwoCode.txt", 3, 2, 1},
    {3, 98, COMBINED, "threesimpcode98.txt", "", 4, 2, 1},
    {4, 86, PAIRED, "AllCodech.txt", "AllCodeen.txt", 4, 2, 10},
    {4, 98, COMBINED, "AllCodechen98.txt", "", 4, 2, 5},
    {16, 86, PAIRED, "shibuich.txt", "shibuicode.txt", 4, 2, 1},
    {17, 86, PAIRED, "bootofwordch.txt", "bootofwordcode.txt", 4, 2, 1},
    {12, 86, PAIRED, "Twowordsch.txt", "TwowordsCode.txt", 4, 8, 1},
    {13, 98, COMBINED, "Threewordsch98.txt", "", 4, 10, 1},
    {15, 86, PAIRED, "Morewordsch.txt", "Morewordscode.txt", 4, 20, 1},
};

class TempFolder {
public:
    TempFolder() {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        path_ = fs::temp_directory_path() /
                ("qope-codetables-" + std::to_string(getpid()) + "-" + test->test_suite_name() + "-" + test->name());
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::string Path() const { return path_.string(); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

std::string Field(const std::string& text, int width) { return text + std::string(width - text.size(), ' '); }

void WriteTable(const std::string& folder, const TableRow& row, const List& list) {
    List records = list;
    for (size_t i = 0; records.size() < static_cast<size_t>(row.Needed()); ++i)
        records.push_back(list[i % list.size()]);
    std::ofstream items(folder + "/" + row.itemFile, std::ios::binary);
    if (row.paired) {
        std::ofstream codes(folder + "/" + row.codeFile, std::ios::binary);
        for (auto& [item, code] : records) {
            items << Field(item, row.itemWidth) << "\r\n";
            codes << Field(code, row.codeWidth) << "\r\n";
        }
    } else {
        for (auto& [item, code] : records) items << Field(code, row.codeWidth) << Field(item, row.itemWidth) << "\r\n";
    }
}

const List& FixtureList(const TableRow& row) {
    switch (row.kind) {
    case 1: return kOne;
    case 2: return kTwo86;
    case 3: return kThree98;
    case 4: return row.edition == 86 ? kFull86 : kFull98;
    case 16: return kShibie86;
    case 17: return kRoots86;
    case 12: return kWords2_86;
    case 13: return kWords3_98;
    default: return kWordsMore86;
    }
}

// The list with entry i replaced.
List Replace(List list, size_t i, std::pair<std::string, std::string> entry) {
    list.at(i) = std::move(entry);
    return list;
}

size_t IndexOf(const List& list, const std::string& item) {
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].first == item) return i;
    throw std::logic_error("not in the list");
}

std::string ReadAll(const std::string& path) { return ReadFile(path).value(); }

void WriteAll(const std::string& path, const std::string& blob) {
    std::ofstream(path, std::ios::binary) << blob;
}

// Overwrites bytes of a file in place.
void Patch(const std::string& path, size_t at, const std::string& bytes) {
    std::string blob = ReadAll(path);
    blob.replace(at, bytes.size(), bytes);
    WriteAll(path, blob);
}

class BrokenFixture : public testing::Test {
protected:
    void SetUp() override {
        for (const TableRow& row : kFixtureRows) WriteTable(folder_.Path(), row, FixtureList(row));
    }
    // The faults found, after the fixture was broken.
    std::set<Fault> Faults(const std::vector<TableRow>& rows = kFixtureRows) {
        findings_ = CheckFolder(folder_.Path(), rows, Rules{0, 4});
        return FaultsOf(findings_);
    }
    // Writes one table of the fixture afresh with other entries.
    void Rewrite(int kind, int edition, const List& list) {
        for (const TableRow& row : kFixtureRows)
            if (row.kind == kind && row.edition == edition) WriteTable(folder_.Path(), row, list);
    }
    std::string File(const std::string& name) const { return folder_.File(name); }

    TempFolder folder_;
    std::vector<Finding> findings_;
};

#define EXPECT_FAULTS(expected) EXPECT_EQ(Faults(), (std::set<Fault>expected)) << Describe(findings_)

TEST_F(BrokenFixture, IntactFixturePasses) {
    EXPECT_TRUE(Faults().empty()) << Describe(findings_);
}

TEST_F(BrokenFixture, FileLevelFaults) {
    fs::remove(File("shibuicode.txt"));
    EXPECT_FAULTS(({Fault::MissingFile}));
    SetUp();

    std::string blob = ReadAll(File("Twowordsch.txt"));
    WriteAll(File("Twowordsch.txt"), blob.substr(0, blob.size() - 1));
    EXPECT_FAULTS(({Fault::RecordLength}));
    SetUp();

    Patch(File("threesimpcode98.txt"), 8 * 3 + 6, "  ");  // record 3 ends in two blanks
    EXPECT_FAULTS(({Fault::LineEnd}));
    SetUp();

    WriteAll(File("AllCodeen.txt"), ReadAll(File("AllCodeen.txt")) + "ggll\r\n");
    EXPECT_FAULTS(({Fault::UnequalPair}));
    SetUp();

    std::vector<TableRow> rows = kFixtureRows;
    rows[8].starts = 20;  // the words need 47 records now, and hold 28
    EXPECT_EQ(Faults(rows), (std::set<Fault>{Fault::TooFewRecords})) << Describe(findings_);
}

TEST_F(BrokenFixture, CodeFieldFaults) {
    // 他 is in no other table, so its code is needed nowhere else
    for (const char* bad : {"Wbn ", "wzn ", "wb n", "wb  ", "    "}) {
        Patch(File("AllCodeen.txt"), 6 * IndexOf(kFull86, "他"), bad);
        EXPECT_FAULTS(({Fault::CodeField})) << bad;
        SetUp();
    }
    // a short code of one letter in the two-level file; its repeat no longer matches
    Patch(File("TwoCode.txt"), 5 * 2, "f  ");
    EXPECT_FAULTS(({Fault::CodeField, Fault::Padding}));
    SetUp();
    // a word code of three letters; its repeat further on now reads as a second 中国
    Patch(File("TwowordsCode.txt"), 6 * 0, "khl ");
    EXPECT_FAULTS(({Fault::CodeField, Fault::Duplicate, Fault::Padding}));
}

TEST_F(BrokenFixture, ItemFieldFaults) {
    Patch(File("AllCodech.txt"), 4 * IndexOf(kFull86, "他"), "A ");  // ASCII
    EXPECT_FAULTS(({Fault::ItemField}));
    SetUp();
    Patch(File("AllCodechen98.txt"), 8 * IndexOf(kFull98, "他") + 4, "\xa1\xa1");  // the ideographic space: GBK, not a hanzi
    EXPECT_FAULTS(({Fault::ItemField}));
    SetUp();
    Patch(File("AllCodechen98.txt"), 8 * IndexOf(kFull98, "他") + 4, "\xb0\x20");  // half a character
    EXPECT_FAULTS(({Fault::ItemField}));
    SetUp();
    Rewrite(12, 86, {{"中 国", "khlg"}, {"我们", "trwu"}});  // a blank inside a word
    EXPECT_FAULTS(({Fault::ItemField}));
    SetUp();
    Rewrite(15, 86, {{"中华人民", "kwwm"}});  // four characters in the five-or-more drill
    EXPECT_FAULTS(({Fault::ItemField}));
}

TEST_F(BrokenFixture, CodesThatAreNotTheCharactersCodes) {
    // each replacement keeps the first key, so the order stays mixed
    Rewrite(2, 86, Replace(kTwo86, 1, {"中", "kg"}));  // 中 is khk
    EXPECT_FAULTS(({Fault::NotPrefix}));
    SetUp();
    Rewrite(3, 98, Replace(kThree98, IndexOf(kThree98, "学"), {"汉", "icy"}));  // not in the 98 full codes
    EXPECT_FAULTS(({Fault::NoFullCode}));
    SetUp();
    Rewrite(3, 98, Replace(kThree98, IndexOf(kThree98, "在"), {"有", "def"}));  // def is 有's full code
    EXPECT_FAULTS(({Fault::NotPrefix}));
    SetUp();
    Rewrite(12, 86, {{"中国", "khlg"}, {"汉字", "icpf"}});
    EXPECT_FAULTS(({Fault::WordRule}));
    SetUp();
    Rewrite(13, 98, {{"为什么", "ywtc"}, {"差不多", "ugqq"}});  // 不 is dhi in 98, gii in 86
    EXPECT_FAULTS(({Fault::WordRule}));
    SetUp();
    Rewrite(15, 86, {{"中华人民共和国", "kwwg"}});
    EXPECT_FAULTS(({Fault::WordRule}));
    SetUp();
    Rewrite(17, 86, {{"五", "gghg"}, {"二", "fggg"}});
    EXPECT_FAULTS(({Fault::NotFullCode}));
}

TEST_F(BrokenFixture, EntriesWithoutAnIdentificationCode) {
    Rewrite(16, 86, {{"的", "rqyy"}, {"王", "gggg"}});  // a key name
    EXPECT_FAULTS(({Fault::NotIdentified}));
    SetUp();
    Rewrite(16, 86, {{"的", "rqyy"}, {"一", "ggll"}});  // a single stroke
    EXPECT_FAULTS(({Fault::NotIdentified}));
    SetUp();
    Rewrite(16, 86, {{"的", "rqyy"}, {"二", "fgg"}});  // a character root, three letters
    EXPECT_FAULTS(({Fault::NotIdentified}));
    SetUp();
    Rewrite(16, 86, {{"的", "rqyy"}, {"地", "fbnd"}});  // fits the rule, but is not 地's code
    EXPECT_FAULTS(({Fault::NotFullCode}));
}

TEST_F(BrokenFixture, RepeatsAndOrder) {
    Rewrite(16, 86, {{"的", "rqyy"}, {"是", "jghu"}, {"的", "rqyy"}, {"不", "gii"}});  // a repeat, not from the start
    EXPECT_FAULTS(({Fault::Padding}));
    SetUp();
    // 29 records where 28 are needed, repeating the list
    const TableRow longer = {12, 86, PAIRED, "Twowordsch.txt", "TwowordsCode.txt", 4, 8, 2};
    WriteTable(folder_.Path(), longer, kWords2_86);
    EXPECT_FAULTS(({Fault::Padding}));
    SetUp();
    List twice = kFull98;
    twice.push_back({"的", "rqy"});
    Rewrite(4, 98, twice);
    EXPECT_FAULTS(({Fault::Duplicate}));
    SetUp();
    Rewrite(2, 86, Replace(kTwo86, IndexOf(kTwo86, "产"), {"为", "gi"}));  // gi, the code of 不
    EXPECT_FAULTS(({Fault::Duplicate, Fault::NotPrefix}));
    SetUp();
    Rewrite(1, 86, {{"一", "g"}, {"地", "f"}});
    EXPECT_FAULTS(({Fault::OneLevel}));
}

TEST_F(BrokenFixture, ShortCodesBunchedOnOneKey) {
    List reversed(kTwo86.rbegin(), kTwo86.rend());
    Rewrite(2, 86, reversed);
    EXPECT_TRUE(Faults().empty()) << Describe(findings_);
    List neighbours = kTwo86;
    neighbours.insert(neighbours.begin() + static_cast<long>(IndexOf(kTwo86, "这")) + 1, {"主", "yg"});
    Rewrite(2, 86, neighbours);  // 这 yp and 主 yg one after the other
    EXPECT_FAULTS(({Fault::Mixing}));
    SetUp();
    Rewrite(2, 86, List(kTwo86.begin(), kTwo86.begin() + 6));  // five of the 28 records on one key
    EXPECT_FAULTS(({Fault::Mixing}));
}

// --- broken copies of the shipped files ----------------------------------------------------

TEST(BrokenShippedCopy, CaughtByTheChecker) {
    TempFolder copy;
    for (const auto& file : fs::directory_iterator(ShippedFolder()))
        if (file.path().extension() == ".txt") fs::copy_file(file.path(), fs::path(copy.Path()) / file.path().filename());
    ASSERT_TRUE(CheckFolder(copy.Path(), ShippedRows()).empty());

    // 我 given a wrong full code: its short codes and every word with 我 now disagree
    const auto entries = Entries(copy.Path(), ShippedRow(4, 86));
    const auto at = std::find_if(entries.begin(), entries.end(), [](auto& e) { return e.first == "我"; });
    ASSERT_NE(at, entries.end());
    const std::string codeFile = copy.File(ShippedRow(4, 86).codeFile);
    Patch(codeFile, static_cast<size_t>(at - entries.begin()) * 6, "qrnt");
    auto faults = FaultsOf(CheckFolder(copy.Path(), ShippedRows()));
    EXPECT_TRUE(faults.count(Fault::NotPrefix));
    EXPECT_TRUE(faults.count(Fault::WordRule));

    // the dictionary's pair cut short
    const std::string itemFile = copy.File(ShippedRow(4, 86).itemFile);
    WriteAll(itemFile, ReadAll(itemFile).substr(0, 4 * 7000));
    WriteAll(codeFile, ReadAll(codeFile).substr(0, 6 * 7000));
    faults = FaultsOf(CheckFolder(copy.Path(), ShippedRows()));
    EXPECT_TRUE(faults.count(Fault::TooFewRecords));

    // the 98 two-level file sorted by code: keys bunch together
    const TableRow& two98 = ShippedRow(2, 98);
    std::string blob = ReadAll(copy.File(two98.itemFile));
    std::vector<std::string> records;
    for (size_t i = 0; i < blob.size(); i += 7) records.push_back(blob.substr(i, 7));
    std::sort(records.begin(), records.end());
    std::string sorted;
    for (const auto& r : records) sorted += r;
    WriteAll(copy.File(two98.itemFile), sorted);
    faults = FaultsOf(CheckFolder(copy.Path(), ShippedRows()));
    EXPECT_TRUE(faults.count(Fault::Mixing));
}


// --- the 98 files against the 98 edition's own tables ---------------------------------------
//
// Our 98 lists come from one source family; beside them lie the facts of the edition's own
// vendor tables: which items have another full code there, and which item its input
// method offers first for one, two or three letters. Those facts are read from the shared
// folder beside the repository, never copied into it.

std::string SharedSources() { return QOPE_SOURCE_DIR "/../shared/wubi-sources"; }

// UTF-8 (the shared lists) to GBK (our files).
std::string ToGbk(const std::string& utf8) {
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GBK converter");
    std::string out(utf8.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    char* to = out.data();
    size_t inLeft = utf8.size(), outLeft = out.size();
    const bool ok = iconv(cd, &in, &inLeft, &to, &outLeft) != static_cast<size_t>(-1);
    iconv_close(cd);
    if (!ok) throw std::runtime_error("not GBK: " + utf8);
    out.resize(out.size() - outLeft);
    return out;
}

// The tab-separated fields of every line of a UTF-8 list, in GBK; nullopt when unreadable.
std::optional<std::vector<std::vector<std::string>>> ReadTsv(const std::string& path) {
    auto text = ReadFile(path);
    if (!text) return std::nullopt;
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(ToGbk(*text));
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) fields.push_back(cell);
        lines.push_back(std::move(fields));
    }
    return lines;
}

struct Standard98 {
    std::map<std::string, std::string> full;   // item -> the edition's own full code
    std::map<std::string, std::string> first;  // letters -> the item offered first
};

// The full codes are those of ../98/full.tsv but where full-differences.tsv gives another.
std::optional<Standard98> ReadStandard98(const std::string& sources) {
    const auto ours = ReadTsv(sources + "/98/full.tsv");
    const auto differences = ReadTsv(sources + "/98-standard/full-differences.tsv");
    const auto first = ReadTsv(sources + "/98-standard/first-candidates.tsv");
    if (!ours || !differences || !first) return std::nullopt;
    Standard98 standard;
    for (const auto& line : *ours) standard.full[line.at(0)] = line.at(1);
    for (size_t i = 1; i < differences->size(); ++i) standard.full[(*differences)[i].at(0)] = (*differences)[i].at(2);
    for (size_t i = 1; i < first->size(); ++i) standard.first[(*first)[i].at(0)] = (*first)[i].at(1);
    return standard;
}

// Every 98 record of the folder that teaches what the edition's own tables do not: a full
// or identification code other than the edition's, a short code on letters for which the
// edition offers another item, a two- or three-letter one that does not begin the item's
// full code, a word code
// other than the word rule gives from the edition's full codes.
std::vector<std::string> AgainstStandard98(const std::string& folder, const Standard98& standard) {
    std::vector<std::string> findings;
    for (const TableRow& row : ShippedRows()) {
        if (row.edition != 98) continue;
        std::set<std::pair<std::string, std::string>> seen;  // an entry repeated to fill the file is one
        for (const auto& [item, code] : Entries(folder, row)) {
            if (!seen.insert({item, code}).second) continue;
            const std::string where = row.itemFile + ": " + item + " " + code;
            std::vector<const std::string*> full;
            for (size_t i = 0; i + 1 < item.size(); i += 2) {
                auto it = standard.full.find(item.substr(i, 2));
                if (it == standard.full.end()) break;
                full.push_back(&it->second);
            }
            if (full.size() * 2 != item.size()) {
                findings.push_back(where + ": a character the 98 tables do not code");
                continue;
            }
            const std::string& own = *full.front();
            if (row.kind <= 3) {
                auto first = standard.first.find(code);
                if (first != standard.first.end() && first->second != item)
                    findings.push_back(where + ": the 98 edition offers " + first->second + " there");
                else if (row.kind > 1 && (own.size() <= code.size() || own.compare(0, code.size(), code) != 0))
                    findings.push_back(where + ": does not begin the full code " + own);
            } else if (row.kind == 4 || row.kind == 16) {
                if (code != own) findings.push_back(where + ": the 98 edition's code is " + own);
            } else if (WordCode(full) != code) {
                findings.push_back(where + ": the word rule gives " + WordCode(full));
            }
        }
    }
    return findings;
}

std::string FirstOf(const std::vector<std::string>& findings, size_t shown = 20) {
    std::ostringstream out;
    for (size_t i = 0; i < findings.size() && i < shown; ++i) out << "  " << findings[i] << "\n";
    if (findings.size() > shown) out << "  and " << findings.size() - shown << " more\n";
    return out.str();
}

TEST(Shipped98Tables, TeachWhatThe98EditionTypes) {
    const auto standard = ReadStandard98(SharedSources());
    if (!standard) GTEST_SKIP() << "no " << SharedSources() << "/98-standard beside the repository";
    const auto findings = AgainstStandard98(ShippedFolder(), *standard);
    EXPECT_TRUE(findings.empty()) << findings.size() << " records:\n" << FirstOf(findings);
}

TEST(Shipped98Tables, TheComparisonCatchesAnOldCodeAndATakenShortCode) {
    const auto standard = ReadStandard98(SharedSources());
    if (!standard) GTEST_SKIP() << "no " << SharedSources() << "/98-standard beside the repository";
    TempFolder copy;
    for (const TableRow& row : ShippedRows())
        if (row.edition == 98 && !fs::exists(copy.File(row.itemFile)))
            fs::copy_file(fs::path(ShippedFolder()) / row.itemFile, copy.File(row.itemFile));
    ASSERT_TRUE(AgainstStandard98(copy.Path(), *standard).empty());

    // 睡 back on the code of its source (全部编码 and every word with 睡 follow), and the
    // first 三级简码 record moved onto tgj, which the 98 edition gives 年.
    const TableRow& full = ShippedRow(4, 98);
    const auto entries = Entries(copy.Path(), full);
    const auto sleep = std::find_if(entries.begin(), entries.end(), [](auto& e) { return e.first == "睡"; });
    ASSERT_NE(sleep, entries.end());
    Patch(copy.File(full.itemFile), static_cast<size_t>(sleep - entries.begin()) * 8, "htfa");
    Patch(copy.File(ShippedRow(3, 98).itemFile), 0, "tgj ");
    const auto findings = AgainstStandard98(copy.Path(), *standard);
    const std::string all = FirstOf(findings, findings.size());
    EXPECT_NE(all.find("AllCodechen98.txt: 睡 htfa: the 98 edition's code is htgf"), std::string::npos) << all;
    EXPECT_NE(all.find(" tgj: the 98 edition offers 年 there"), std::string::npos) << all;
}

}  // namespace
