// The Chinese article files of data/freeinput.
//
// The article typing window reads each file as lines of at most 79 bytes and gives every
// typing line 70 bytes, so a file that strays from its rules shows the learner a cut or
// garbled line. Checked on the committed GBK bytes themselves (a file edited by hand counts
// as much as a generated one) against the rules of tools/texts/article_rules.def, and on
// broken copies, one fault each, which must be named by file and line.

#include <gtest/gtest.h>
#include <iconv.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The rules; the mark sets are GBK, like every narrow literal.
#define QOPE_ARTICLE_LINES(chars, min_lines, max_lines) \
    constexpr int kLineChars = chars;                    \
    constexpr int kMinLines = min_lines;                 \
    constexpr int kMaxLines = max_lines;
#define QOPE_ARTICLE_MARKS(kind, marks) constexpr std::string_view kind = marks;
#include "../../tools/texts/article_rules.def"
#undef QOPE_ARTICLE_MARKS
#undef QOPE_ARTICLE_LINES

struct Article {
    int number;
    std::string file;  // UTF-8, the name in the repository's file system
};

const std::vector<Article>& Articles() {
    static const std::vector<Article> articles = {
#define QOPE_ARTICLE(id, caption, number, file, x, y) {number, reinterpret_cast<const char*>(u8##file)},
#include "chinese/articles.def"
#undef QOPE_ARTICLE
    };
    return articles;
}

const fs::path kFolder = fs::path(QOPE_SOURCE_DIR) / "data" / "freeinput";

// A GBK character as UTF-8, for the messages; its bytes in hex when it is no GBK.
std::string Shown(std::string_view gbk) {
    iconv_t cd = iconv_open("UTF-8", "GBK");
    std::string in(gbk), out(8, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    size_t inLeft = in.size(), outLeft = out.size();
    bool ok = cd != reinterpret_cast<iconv_t>(-1) &&
              iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) && inLeft == 0;
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    if (ok) return out.substr(0, out.size() - outLeft);
    std::string hex;
    for (unsigned char c : gbk) hex += "0123456789ABCDEF"[c >> 4], hex += "0123456789ABCDEF"[c & 15];
    return "0x" + hex;
}

bool IsMark(std::string_view marks, std::string_view ch) {
    for (size_t i = 0; i + 1 < marks.size(); i += 2)
        if (marks.substr(i, 2) == ch) return true;
    return false;
}

// Rows 16-87 of GB2312, the hanzi every Wubi 86 input method types.
bool IsGb2312Hanzi(std::string_view ch) {
    auto lead = static_cast<unsigned char>(ch[0]), trail = static_cast<unsigned char>(ch[1]);
    return lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE &&
           !(lead == 0xD7 && trail >= 0xFA);
}

// Every breach of the rules in one file's bytes, as "FILE line N: what".
std::vector<std::string> CheckArticle(const std::string& name, std::string_view bytes) {
    std::vector<std::string> findings;
    auto report = [&](size_t line, const std::string& what) {
        findings.push_back(name + " line " + std::to_string(line) + ": " + what);
    };
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        report(1, "byte-order mark");
        bytes.remove_prefix(3);
    }

    std::vector<std::string_view> raw;  // each line without its line end
    while (!bytes.empty()) {
        size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (end == std::string_view::npos || !line.ends_with('\r'))
            report(raw.size() + 1, "does not end in CR LF");
        else
            line.remove_suffix(1);
        raw.push_back(line);
    }

    const size_t full = 2 * kLineChars;  // bytes
    std::vector<std::vector<std::string_view>> lines;  // the characters of each line
    for (size_t n = 1; n <= raw.size(); ++n) {
        std::string_view line = raw[n - 1];
        if (n < raw.size() && line.size() != full)
            report(n, std::to_string(line.size()) + " bytes, not " + std::to_string(full));
        if (n == raw.size() && (line.empty() || line.size() >= full))
            report(n, std::to_string(line.size()) + " bytes; the last line holds fewer than " +
                          std::to_string(full) + " but some");
        std::vector<std::string_view> chars;
        bool singleByte = false;
        for (size_t i = 0; i < line.size();) {
            if (static_cast<unsigned char>(line[i]) < 0x80 || i + 1 == line.size()) {
                if (!singleByte) report(n, "single-byte character at byte " + std::to_string(i));
                singleByte = true;
                ++i;
                continue;
            }
            std::string_view ch = line.substr(i, 2);
            if (!IsMark(PUNCTUATION, ch) && !IsGb2312Hanzi(ch))
                report(n, Shown(ch) + " is neither a GB2312 hanzi nor an allowed mark");
            chars.push_back(ch);
            i += 2;
        }
        lines.push_back(std::move(chars));
    }

    if (lines.size() < kMinLines || lines.size() > kMaxLines)
        report(lines.size(), std::to_string(lines.size()) + " lines, not " + std::to_string(kMinLines) +
                                 " to " + std::to_string(kMaxLines));
    for (size_t n = 0; n < lines.size(); ++n) {
        if (lines[n].empty()) continue;
        if (n > 0 && IsMark(NO_LINE_START, lines[n].front()))
            report(n + 1, "begins with " + Shown(lines[n].front()));
        if (n + 1 < lines.size() && IsMark(NO_LINE_END, lines[n].back()))
            report(n + 1, "ends with " + Shown(lines[n].back()));
    }
    // —— and ……: one mark exactly twice, both halves on one line.
    std::string_view previous;
    size_t run = 0, runLine = 0;
    bool parted = false;
    auto endRun = [&] {
        if (run == 0) return;
        if (run != 2) report(runLine, Shown(previous) + " written " + std::to_string(run) + " times, not twice");
        else if (parted) report(runLine, "a line end parts " + Shown(previous) + Shown(previous));
        run = 0;
    };
    for (size_t n = 0; n < lines.size(); ++n) {
        for (size_t i = 0; i < lines[n].size(); ++i) {
            std::string_view ch = lines[n][i];
            if (run > 0 && ch == previous) {
                ++run;
                parted = parted || i == 0;
                runLine = n + 1;
                continue;
            }
            endRun();
            if (IsMark(DOUBLED, ch)) run = 1, runLine = n + 1, parted = false, previous = ch;
        }
    }
    endRun();
    return findings;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ArticleFiles, ShippedArticlesKeepTheRules) {
    std::set<std::string> listed;
    for (size_t i = 0; i < Articles().size(); ++i) {
        const Article& article = Articles()[i];
        EXPECT_EQ(article.number, static_cast<int>(i + 1)) << article.file;
        listed.insert(article.file);
        fs::path path = kFolder / fs::u8path(article.file);
        if (!fs::exists(path)) {
            ADD_FAILURE() << article.file << ": missing from " << kFolder;
            continue;
        }
        for (const std::string& finding : CheckArticle(article.file, ReadFile(path))) ADD_FAILURE() << finding;
    }
    EXPECT_EQ(listed.size(), 12u);
    // The installer takes the whole folder.
    for (const auto& entry : fs::directory_iterator(kFolder)) {
        auto name = entry.path().filename().u8string();
        EXPECT_TRUE(listed.count(std::string(name.begin(), name.end())))
            << entry.path() << " is no article of the list";
    }
}

// Each broken copy of a shipped file is reported once, at the line the fault lies on.
TEST(ArticleFiles, BreachesAreNamedByFileAndLine) {
    const std::string name = Articles().front().file;
    std::string shipped = ReadFile(kFolder / fs::u8path(name));
    std::vector<std::string> lines;  // without their CR LF
    for (size_t pos = 0; pos < shipped.size();) {
        size_t end = shipped.find("\r\n", pos);
        ASSERT_NE(end, std::string::npos);
        lines.push_back(shipped.substr(pos, end - pos));
        pos = end + 2;
    }
    ASSERT_GE(lines.size(), 10u);
    const size_t last = lines.size();
    auto join = [](const std::vector<std::string>& ls) {
        std::string out;
        for (const std::string& l : ls) out += l + "\r\n";
        return out;
    };
    auto edited = [&](std::function<void(std::vector<std::string>&)> edit) {
        std::vector<std::string> copy = lines;
        edit(copy);
        return join(copy);
    };

    struct Case {
        const char* fault;
        std::string bytes;
        size_t line;
        const char* says;
        size_t count = 1;  // findings in all
    };
    const Case cases[] = {
        {"byte-order mark", "\xEF\xBB\xBF" + shipped, 1, "byte-order mark"},
        {"LF alone", edited([](auto& ls) { ls[2] += "\n" + ls[3]; ls.erase(ls.begin() + 3); }), 3, "CR LF"},
        {"no line end at the end", shipped.substr(0, shipped.size() - 2), last, "CR LF"},
        {"ASCII digits", edited([](auto& ls) { ls[1].replace(4, 2, "12"); }), 2, "single-byte"},
        {"full-width digit", edited([](auto& ls) { ls[3].replace(4, 2, "１"); }), 4, "neither"},
        {"hanzi outside GB2312", edited([](auto& ls) { ls[4].replace(4, 2, "昇"); }), 5, "neither"},
        {"short line", edited([](auto& ls) { ls[5].resize(ls[5].size() - 2); }), 6, "bytes"},
        {"comma at a line start", edited([](auto& ls) { ls[6].replace(0, 2, "，"); }), 7, "begins with"},
        {"quote at a line end", edited([](auto& ls) { ls[6].replace(ls[6].size() - 2, 2, "“"); }), 7, "ends with"},
        {"a dash once", edited([](auto& ls) { ls[7].replace(4, 2, "—"); }), 8, "not twice"},
        {"a dash parted", edited([](auto& ls) {
             ls[7].replace(ls[7].size() - 2, 2, "—");
             ls[8].replace(0, 2, "—");
         }), 9, "parts"},
        {"full last line", edited([&](auto& ls) { ls.back() = lines.front(); }), last, "last line"},
        {"empty last line", shipped + "\r\n", last + 1, "last line", 2},  // and the line before is short
        {"too few lines", edited([](auto& ls) { ls.erase(ls.begin() + 8, ls.end() - 1); }), 9, "lines, not"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> findings = CheckArticle(name, c.bytes);
        std::string at = name + " line " + std::to_string(c.line) + ": ";
        EXPECT_EQ(findings.size(), c.count) << c.fault << ": " << testing::PrintToString(findings);
        bool named = false;
        for (const std::string& f : findings) named = named || (f.starts_with(at) && f.find(c.says) != std::string::npos);
        EXPECT_TRUE(named) << c.fault << ": " << testing::PrintToString(findings);
    }
}

}  // namespace

#include "common/line_typing.h"

namespace {

// Read page by page as the window reads them: every reference line but the last is one
// whole typing line of 35 characters and its line feed, and the text ends.
TEST(ArticleFiles, ReadByTheWindowLineByLine) {
    for (const Article& article : Articles()) {
        std::ifstream in(kFolder / std::filesystem::u8path(article.file), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        qope::LineCopy copy(qope::kArticleLines);
        copy.Choose(article.number);
        int lines = 0, pages = 0;
        bool whole = true;
        while (copy.LoadPage(qope::TextOfFile(text)) && pages < 100) {
            ++pages;
            for (const std::string& line : copy.References()) {
                if (line.empty()) continue;
                ++lines;
                whole = whole && (line.size() == 71 || line.back() == '\n');
            }
        }
        EXPECT_TRUE(copy.AtEnd()) << article.file;
        EXPECT_TRUE(whole) << article.file;
        EXPECT_EQ(pages, (lines + qope::kArticleLines.pairs - 1) / qope::kArticleLines.pairs) << article.file;
    }
}

}  // namespace
