// The English lessons in data/Englishtype: laid out for the practice window (seven lines a
// page, each line one read of its reader and no wider than its edit) and, for the drills,
// made of the keys the learner has met so far.
#include "common/line_typing.h"
#include "english/EnglishPracticeDlgRes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

enum class Kind { Keys, Symbols, AllLetters, Cases, Article };

// The window's list of lessons: the file (UTF-8 here, as it lies in git) and the line the
// lesson must end on.
struct Listed {
    int number;
    const char8_t* file;
    int endLine;
};
constexpr Listed kListed[] = {
#define QOPE_LESSON(id, caption, number, file, endLine, x, y) {number, u8##file, endLine},
#include "english/english_lessons.def"
#undef QOPE_LESSON
};

struct Lesson {
    int number;             // in the window's list
    Kind kind;
    const char* keys;       // Keys: the drill's own keys, open to every later drill
    const char* everyLine;  // Keys: what each of its lines holds
};

// The letter drills in the order they bring in their keys.
constexpr Lesson kLessons[] = {
    // No English word is made of the home row with a j, so only the drill pages hold it.
    {11, Kind::Keys, "asdfjkl;", "asdfkl;"},
    {13, Kind::Keys, "ei", "ei"},
    {14, Kind::Keys, "gh", "gh"},
    {15, Kind::Keys, "rtuy", "rtuy"},
    {16, Kind::Keys, "vbmn", "vbmn"},
    {17, Kind::Keys, "wqop", "wqop"},
    {18, Kind::Keys, "cxz", "cxz"},
    {12, Kind::Symbols, "", ""},
    {19, Kind::AllLetters, "", ""},
    {20, Kind::Cases, "", ""},
    {1, Kind::Article, "", ""},
    {2, Kind::Article, "", ""},
    {3, Kind::Article, "", ""},
    {4, Kind::Article, "", ""},
};

constexpr int kPageLines = 7;
// 宋体 16 pt draws ASCII 11 pixels wide: 54 characters fill the 225-unit edit.
constexpr std::size_t kMaxWidth = 54;
constexpr char kSymbols[] = "`~!@#$%^&*()-_=+[]{}\\|;:'\",.<>/?";

bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool Has(const std::string& set, char c) { return set.find(c) != std::string::npos; }

const Listed& Of(const Lesson& lesson) {
    for (const Listed& listed : kListed)
        if (listed.number == lesson.number) return listed;
    ADD_FAILURE() << "lesson " << lesson.number << " is not in the window's list";
    return kListed[0];
}
std::string Name(const Lesson& lesson) { return reinterpret_cast<const char*>(Of(lesson).file); }

std::string At(const Lesson& lesson, std::size_t index) {
    return Name(lesson) + ":" + std::to_string(index + 1) + ": ";
}

// The file's lines without their CR LF; any other line end fails.
std::vector<std::string> Lines(const Lesson& lesson) {
    std::ifstream in(std::string(QOPE_SOURCE_DIR) + "/data/Englishtype/" + Name(lesson), std::ios::binary);
    EXPECT_TRUE(in) << Name(lesson) << ": missing";
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos || text.compare(end, 2, "\r\n") != 0) {
            ADD_FAILURE() << At(lesson, lines.size()) << "not ended by CR LF";
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(LessonFiles, FitTheWindowAndEndOnTheirEndLine) {
    EXPECT_EQ(std::size(kLessons), std::size(kListed));
    for (const Lesson& lesson : kLessons) {
        // Read page by page as the window reads it: the last page ends on the end line.
        std::ifstream file(std::string(QOPE_SOURCE_DIR) + "/data/Englishtype/" + Name(lesson), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(file), {}};
        qope::LineCopy copy(qope::kEnglishLines);
        copy.Choose(lesson.number);
        int pages = 0;
        while (copy.LoadPage(qope::TextOfFile(text))) ++pages;
        EXPECT_EQ(copy.LastLine() + 1, Of(lesson).endLine) << Name(lesson) << " after " << pages << " pages";
        const auto lines = Lines(lesson);
        const int count = static_cast<int>(lines.size());
        if (lesson.kind == Kind::Article)
            EXPECT_TRUE(count >= 15 && count <= 35) << Name(lesson) << ": " << count << " lines";
        else
            EXPECT_GE(count, 3 * kPageLines) << Name(lesson);
        // The window looks for the end only on the end line of the last page.
        EXPECT_EQ(count % kPageLines, Of(lesson).endLine % kPageLines) << Name(lesson) << ": " << count << " lines";
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            if (line.empty()) {
                ADD_FAILURE() << At(lesson, i) << "empty";
                continue;
            }
            EXPECT_LE(line.size(), kMaxWidth) << At(lesson, i) << line;
            EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](char c) { return c >= 0x20 && c <= 0x7E; }))
                << At(lesson, i) << "not printable ASCII";
            EXPECT_TRUE(line.front() != ' ' && line.back() != ' ' && line.find("  ") == std::string::npos)
                << At(lesson, i) << "stray blank: '" << line << "'";
        }
    }
}

TEST(LessonFiles, KeyDrillsUseOnlyTheKeysMetSoFar) {
    std::string met = " ";
    for (const Lesson& lesson : kLessons) {
        if (lesson.kind != Kind::Keys) continue;
        met += lesson.keys;
        const std::string own = lesson.keys, every = lesson.everyLine;
        const auto lines = Lines(lesson);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            int letters = 0, ownKeys = 0;
            for (char c : line) {
                if (!Has(met, c)) ADD_FAILURE() << At(lesson, i) << "key '" << c << "' not met yet";
                letters += c != ' ';
                ownKeys += Has(own, c);
            }
            for (char c : every)
                if (!Has(line, c)) ADD_FAILURE() << At(lesson, i) << "lacks '" << c << "'";
            // The drill's keys are at least a quarter of every line, sentences included.
            EXPECT_GE(4 * ownKeys, letters) << At(lesson, i) << line;
        }
    }
}

TEST(LessonFiles, OtherDrillsKeepToTheirCharacters) {
    for (const Lesson& lesson : kLessons) {
        const auto lines = Lines(lesson);
        const std::string all = [&] {
            std::string joined;
            for (const auto& line : lines) joined += line + " ";
            return joined;
        }();
        switch (lesson.kind) {
        case Kind::Symbols:
            for (std::size_t i = 0; i < lines.size(); ++i) {
                int letters = 0, others = 0;
                for (char c : lines[i]) {
                    const bool digitOrBlank = IsDigit(c) || c == ' ';
                    if (!digitOrBlank && !IsLower(c) && !Has(kSymbols, c))
                        ADD_FAILURE() << At(lesson, i) << "'" << c << "'";
                    if (i < kPageLines && !digitOrBlank) ADD_FAILURE() << At(lesson, i) << "first page: digits only";
                    letters += IsLower(c);
                    others += !IsLower(c) && c != ' ';
                }
                EXPECT_LT(letters, others) << At(lesson, i) << "letters only inside expressions";
            }
            for (const char* s = kSymbols; *s; ++s) EXPECT_TRUE(Has(all, *s)) << Name(lesson) << ": no '" << *s << "'";
            break;
        case Kind::AllLetters:
            for (std::size_t i = 0; i < lines.size(); ++i)
                for (char c : lines[i])
                    if (!IsLower(c) && c != ' ') ADD_FAILURE() << At(lesson, i) << "'" << c << "'";
            for (std::size_t page = 0; page < lines.size(); page += kPageLines) {
                std::set<char> seen;
                for (std::size_t i = page; i < std::min(page + kPageLines, lines.size()); ++i)
                    seen.insert(lines[i].begin(), lines[i].end());
                for (char c = 'a'; c <= 'z'; ++c)
                    EXPECT_TRUE(seen.count(c)) << At(lesson, page) << "page lacks '" << c << "'";
            }
            break;
        case Kind::Cases: {
            for (std::size_t i = 0; i < lines.size(); ++i) {
                const std::string& line = lines[i];
                for (char c : line)
                    if (!IsLower(c) && !IsUpper(c) && !Has(" ,.'", c)) ADD_FAILURE() << At(lesson, i) << "'" << c << "'";
                EXPECT_TRUE(std::any_of(line.begin(), line.end(), IsUpper) && std::any_of(line.begin(), line.end(), IsLower))
                    << At(lesson, i) << "not mixed case";
            }
            std::istringstream words(all);
            int capitals = 0;
            for (std::string word; words >> word;) {
                std::erase_if(word, [](char c) { return Has(",.'", c); });
                capitals += word.size() > 1 && std::all_of(word.begin(), word.end(), IsUpper);
            }
            EXPECT_GE(capitals, 3) << Name(lesson) << ": too few all-capital words";
            break;
        }
        case Kind::Keys:
        case Kind::Article:
            break;
        }
    }
}

}  // namespace
