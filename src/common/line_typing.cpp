#include "common/line_typing.h"

#include <algorithm>
#include <cstdio>

namespace qope {

std::string_view TextOfFile(std::string_view file) {
    const size_t end = file.find('\x1A');
    return end == std::string_view::npos ? file : file.substr(0, end);
}

Page ReadPage(std::string_view text, std::int64_t start, const LineTypingRules& rules) {
    Page page;
    const size_t size = text.size();
    size_t at = start < 0 ? 0 : std::min(static_cast<size_t>(start), size);
    while (static_cast<int>(page.lines.size()) < rules.pairs && at < size) {
        std::string line;
        while (at < size && static_cast<int>(line.size()) < rules.maxLineBytes) {
            const char c = text[at];
            if (c == '\r' && at + 1 < size && text[at + 1] == '\n') {
                ++at;  // CR LF is one line feed
                continue;
            }
            line += c;
            ++at;
            if (c == '\n') break;
        }
        page.lines.push_back(std::move(line));
    }
    page.next = static_cast<std::int64_t>(at);
    return page;
}

int TypedBytes(const TypedChars& typed) {
    int bytes = 0;
    for (const std::string& c : typed) bytes += c.empty() ? 2 : static_cast<int>(c.size());
    return bytes;
}

std::vector<bool> CompareTyped(const TypedChars& typed, std::string_view reference, int unit) {
    std::vector<bool> matches;
    matches.reserve(typed.size());
    const size_t width = static_cast<size_t>(unit);
    for (size_t k = 0; k < typed.size(); ++k) {
        const size_t at = k * width;
        matches.push_back(typed[k].size() == width && at + width <= reference.size() &&
                          reference.compare(at, width, typed[k]) == 0);
    }
    return matches;
}

LineCount CountMatches(const std::vector<bool>& matches) {
    LineCount count;
    for (bool match : matches) ++(match ? count.right : count.wrong);
    return count;
}

void TypingTally::SetLine(int line, LineCount count) {
    if (line >= 0 && static_cast<size_t>(line) < lines_.size()) lines_[static_cast<size_t>(line)] = count;
}

void TypingTally::ClearLines() { std::fill(lines_.begin(), lines_.end(), LineCount{}); }

void TypingTally::Carry() {
    carried_ = Totals();
    ClearLines();
}

void TypingTally::Reset(bool judged) {
    carried_ = TypingTotals{};
    judged_ = judged;
    ClearLines();
}

TypingTotals TypingTally::Totals() const {
    TypingTotals totals = carried_;
    for (const LineCount& line : lines_) {
        totals.total += line.right + line.wrong;
        if (!judged_) continue;
        totals.correct += line.right;
        totals.errors += line.wrong;
    }
    totals.accuracy = totals.total ? static_cast<float>(totals.correct) / static_cast<float>(totals.total) * 100.0f : 0.0f;
    return totals;
}

int TypingSpeed(int total, std::int64_t ticks) {
    return ticks > 0 ? static_cast<int>(static_cast<std::int64_t>(total) * 600 / ticks) : 0;
}

std::string FormatAccuracy(float accuracy) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", static_cast<double>(accuracy));
    return text;
}

}  // namespace qope

namespace qope {

LineCopy::LineCopy(const LineTypingRules& rules)
    : rules_(rules), references_(static_cast<size_t>(rules.pairs)), tally_(rules.pairs) {}

bool LineCopy::Choose(int text, bool judged) {
    if (text == text_) return false;
    text_ = text;
    Restart(judged);
    return true;
}

void LineCopy::Restart(bool judged) {
    readPos_ = 0;
    atEnd_ = false;
    std::fill(references_.begin(), references_.end(), std::string());
    tally_.Reset(judged);
    ticks_ = 0;
}

bool LineCopy::LoadPage(std::string_view fileText) {
    // Read to its end already, or the file is no longer as long as the pages read before.
    if (atEnd_ || (readPos_ > 0 && readPos_ >= static_cast<std::int64_t>(fileText.size()))) return false;
    const Page page = ReadPage(fileText, readPos_, rules_);
    for (size_t i = 0; i < references_.size(); ++i) references_[i] = i < page.lines.size() ? page.lines[i] : "";
    readPos_ = page.next;
    atEnd_ = page.next >= static_cast<std::int64_t>(fileText.size());
    tally_.Carry();
    return true;
}

int LineCopy::LastLine() const {
    if (!atEnd_) return -1;
    for (int i = rules_.pairs - 1; i >= 0; --i)
        if (!references_[static_cast<size_t>(i)].empty()) return i;
    return 0;
}

void LineCopy::FillReferences(const std::string& line) {
    std::fill(references_.begin(), references_.end(), line);
    tally_.Carry();
}

void LineCopy::Typed(int line, const TypedChars& typed) {
    tally_.SetLine(line, CountMatches(CompareTyped(typed, Reference(line), rules_.unit)));
}

void LineCopy::Recount(const std::vector<TypedChars>& lines) {
    for (int line = 0; line < rules_.pairs; ++line)
        Typed(line, static_cast<size_t>(line) < lines.size() ? lines[static_cast<size_t>(line)] : TypedChars{});
}

}  // namespace qope
