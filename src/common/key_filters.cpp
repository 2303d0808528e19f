#include "common/key_filters.h"

namespace qope {

namespace {
constexpr bool IsLower(unsigned ch) { return ch >= 'a' && ch <= 'z'; }
constexpr bool IsLetter(unsigned ch) { return IsLower(ch) || (ch >= 'A' && ch <= 'Z'); }
constexpr bool IsDigit(unsigned ch) { return ch >= '0' && ch <= '9'; }
// Printable ASCII that is neither letter nor digit: 33-47, 58-64, 91-96, 123-126.
constexpr bool IsAsciiPunctuation(unsigned ch) { return ch >= 33 && ch <= 126 && !IsLetter(ch) && !IsDigit(ch); }

constexpr unsigned kF1 = 0x70;
constexpr unsigned kF4 = 0x73;
constexpr unsigned kF8 = 0x77;
}  // namespace

const char* const kImeMissingMessage =
    "对不起，你没有启动汉字输入法!\n\n请从任务栏启动汉字输入法如五笔或拼音等!\n\n"
    "如果找不到任务栏请按Ctrl键和Shift键来选择输入法\n\n"
    "即按住Ctrl键不放再按Shift键来选择输入法如五笔或拼音等\n\n标点用中文标点!";
const char* const kSwitchToEnglishMessage = "请转换成英文输入状态！";
const char* const kF1NotHelpMessage = "对不起,F1键不是帮助键,\n\n请按F8键获得系统帮助!";

CharVerdict ImeInputChar(unsigned ch) {
    if (ch == kEnter || ch == kSpace || IsAsciiPunctuation(ch)) return CharVerdict::Drop;
    if (IsLetter(ch)) return CharVerdict::DropAndWarn;
    if (IsDigit(ch)) return CharVerdict::Drop;
    return CharVerdict::Pass;
}

CharVerdict CodeEntryChar(unsigned ch) {
    return IsLower(ch) || ch == kSpace || ch == kBackspace ? CharVerdict::Pass : CharVerdict::Drop;
}

CharVerdict DictInputChar(unsigned ch) {
    const bool accepted = IsLower(ch) || ch == kSpace || ch == kBackspace;
    const bool warned = ch != kBackspace && !IsLetter(ch);
    if (warned) return accepted ? CharVerdict::PassAndWarn : CharVerdict::DropAndWarn;
    return accepted ? CharVerdict::Pass : CharVerdict::Drop;
}

CharVerdict LineInputChar(unsigned ch) { return ch == kEnter ? CharVerdict::Drop : CharVerdict::Pass; }

CodeKey CodeEntryKeyDown(unsigned virtualKey) {
    switch (virtualKey) {
    case kF1: return CodeKey::WarnThenPass;
    case kF4: return CodeKey::Pass;
    case kF8: return CodeKey::HelpThenPass;
    default: return CodeKey::Drop;
    }
}

}  // namespace qope
