// What the program's edit fields do with each character and key.
//
// The edit classes ask these functions and act on the answer, so the rules are tested
// without a window. Characters are the code units of the character message (a GBK byte
// or an ASCII character); keys are virtual-key codes.
#pragma once

namespace qope {

inline constexpr unsigned kBackspace = 8;
inline constexpr unsigned kEnter = 13;
inline constexpr unsigned kSpace = 32;

enum class CharVerdict {
    Pass,          // to the edit's default processing
    Drop,          // silently
    DropAndWarn,   // dropped, and the field's warning box is shown
    PassAndWarn,   // the warning box is shown, then the character is accepted
};

// The Chinese typing lines: only what an input method delivers gets through; a Latin
// letter means the learner has no input method switched on.
CharVerdict ImeInputChar(unsigned ch);

// The Wubi code field: lower-case letters, space and Backspace.
CharVerdict CodeEntryChar(unsigned ch);

// The dictionary input: like the code field, but anything that is neither a letter nor
// Backspace brings the "switch to English input" warning first.
CharVerdict DictInputChar(unsigned ch);

// The English typing lines: everything but Enter.
CharVerdict LineInputChar(unsigned ch);

// Key-down messages of the Wubi code field.
enum class CodeKey {
    Drop,          // not passed to the edit: arrows, Home, End, Delete do nothing
    Pass,          // default processing (F4)
    WarnThenPass,  // F1: the "F1 is not the help key" box, then default processing
    HelpThenPass,  // F8: the program's help, then default processing
};
CodeKey CodeEntryKeyDown(unsigned virtualKey);

// The warning texts of the fields (GBK).
extern const char* const kImeMissingMessage;
extern const char* const kSwitchToEnglishMessage;
extern const char* const kF1NotHelpMessage;

}  // namespace qope
