// The finger exercise as a value: its ten key groups (finger_groups.def) and the drill
// the window owns, which lights one key of the chosen group at a time and judges what
// the learner types.
//
// A group is first walked up and back down once (a s d f j k l ; l k j f d s a for the
// home row), then its keys come at random, never the same twice in a row. The random
// draws are the program's one rand() sequence: the window passes its session's.
//
// How the window drives it:
//   - a group button: Choose(group), then show the state below;
//   - every change of the hidden input: Type(text), act on the verdict, then empty the
//     input (the change that raises is a Type("") and does nothing);
//   - after the message box of a NoGroup or Wrong verdict has closed: MessageClosed().
//     Until then every Type() is None, so a burst of keys or a key typed while the box
//     is up is never judged, counted or answered with a second box.
// The state to show: LitKey() enabled (red) and every other key of DrillKeys() disabled
// (grey), Prompt() and KeyList() in large letters, the four statistics.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace qope {

struct FingerTarget {
    char character;       // what the learner must type; case matters
    int key;              // the key button lit meanwhile
    const char* prompt;   // which finger, GBK
};

struct FingerGroup {
    int number;           // 1-10
    int button;           // its group button
    const char* caption;  // the button's caption, GBK
    const char* token;
    const char* keyList;  // GBK
    std::span<const FingerTarget> targets;
};

// The ten groups in order, group n at index n - 1.
std::span<const FingerGroup> FingerGroups();
// The group whose button is `button`; nullptr for any other control.
const FingerGroup* FingerGroupOfButton(int button);
// The keys the drill ever lights (those of groups 1-6), each once: all others stay grey.
std::span<const int> DrillKeys();

// The message boxes' texts, GBK.
extern const char* const kFingerNoGroupMessage;
extern const char* const kFingerWrongKeyMessage;

enum class FingerVerdict {
    None,      // nothing to judge: the input was emptied, or a message box is still up
    NoGroup,   // no group chosen yet: the no-group message; nothing counted
    Wrong,     // an error counted: the sound "sorry" and the wrong-key message; the same
               // key stays lit
    Right,     // counted; the next key of the group is lit
};

class FingerDrill {
public:
    // The next value of the program's rand(); drawn only in the random phase, once or
    // more per target.
    using Rand = std::function<int()>;

    // A group button, 1-10 (others are ignored). Another group than the chosen one
    // starts afresh: statistics to 0, the walk from its first key. The chosen group
    // again only moves on to its next key, counting nothing.
    void Choose(int group, const Rand& rand);

    // The hidden input's text after a change: the one character typed, or "".
    FingerVerdict Type(std::string_view typed, const Rand& rand);
    // The message box asked for by NoGroup or Wrong has been closed.
    void MessageClosed() { m_bMessageUp = false; }

    int Group() const { return m_nGroup; }   // 0 none yet, 1-10
    const FingerTarget* Target() const;      // nullptr before a group is chosen
    int LitKey() const;                      // the key to light; 0 none
    const char* Prompt() const;              // "" before a group is chosen
    const char* KeyList() const;             // "" before a group is chosen

    int Total() const { return m_nCorrect + m_nErrors; }
    int Correct() const { return m_nCorrect; }
    int Errors() const { return m_nErrors; }
    // Per cent right, 0 before the first keystroke.
    float Accuracy() const;
    // As the statistics row shows it: 6 significant digits (66.6667, 75, 100, 0).
    std::string AccuracyText() const;

private:
    void NextTarget(const Rand& rand);

    const FingerGroup* m_group = nullptr;
    int m_nGroup = 0;
    int m_nSteps = 0;        // ascending steps of the walk taken, 0..N
    int m_nSweep = -1;       // position of the walk
    int m_nTarget = -1;      // index of the lit target, -1 before the first
    int m_nCorrect = 0;
    int m_nErrors = 0;
    bool m_bMessageUp = false;
};

}  // namespace qope
