// The Wubi character and word drills: a set of 28 items read from the code tables, the
// check of every code the learner types, and the speed over the drill's ticks.
//
// A value owned by the main window: it keeps the drill's state and says what each check
// came to; the window shows it (fields, bars, sounds, the key hint).
#pragma once

#include "drill/code_table.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qope {

enum PracticeKind : int {
    kNoDrill = 0,
    kOneLevel = 1,
    kTwoLevel = 2,
    kThreeLevel = 3,
    kFullCode = 4,
    kRootDrill = 11,
    kTwoWords = 12,
    kThreeWords = 13,
    kFourWords = 14,
    kMoreWords = 15,
    kEndStroke = 16,
    kWordRoots = 17,
};

struct DrillKind {
    PracticeKind kind;
    const char* status;
    int codeWidth;
    int setLength;
    int referenceStep;
    int speedDivisor;
};

// The row of a character or word drill; nullptr for any other kind.
const DrillKind* FindDrillKind(int kind);

inline constexpr int kBarRange = 28;
extern const char* const kNoReferenceMessage;
extern const char* const kOnly86Message;
extern const char* const kNoDrillStatus;

// The 100 ms ticks since a drill started, and what they come to. 64 bits: a window may
// stay open for years.
class DrillTimer {
public:
    static constexpr int kTickMs = 100;
    void Reset() { ticks_ = 0; }
    void Tick(std::int64_t ticks = 1) { ticks_ += ticks; }
    std::int64_t Ticks() const { return ticks_; }
    // Whole seconds since the start.
    std::int64_t Seconds() const { return ticks_ * kTickMs / 1000; }
    // `count` per minute since the start (0 before the first tick).
    int PerMinute(std::int64_t count) const {
        return ticks_ > 0 ? static_cast<int>(count * (60000 / kTickMs) / ticks_) : 0;
    }

private:
    std::int64_t ticks_ = 0;
};

// What a check of the typed code came to. `setComplete`: the set is done, the next one
// of the same kind starts at once.
enum class Answer { Pending, Right, Wrong };
struct Judgement {
    Answer answer = Answer::Pending;
    bool setComplete = false;
};

// The speed shown while a drill of `kind` runs: roots answered per minute for the root
// drills, characters of the input line per minute for the others (a word's bytes counted
// by the kind's divisor); nullopt for no drill, and the shown speed keeps its value.
std::optional<int> DrillSpeed(PracticeKind kind, std::size_t inputBytes, int rootsAnswered, const DrillTimer& timer);

class CodeDrill {
public:
    // Enters a drill of `kind` with nothing loaded: no answers, counters at 0.
    void Begin(PracticeKind kind);
    // The set to practise, read from the code tables for this drill.
    void Load(const CodeTable& set);
    // Leaves the set: nothing is loaded, typing is refused.
    void Abandon() { expected_.clear(); }

    bool Loaded() const { return !expected_.empty(); }
    PracticeKind Kind() const { return kind_; }
    const std::string& Reference() const { return reference_; }  // the items of the set
    const std::string& Input() const { return input_; }          // the items answered so far
    const std::string& Expected() const { return expected_; }    // the codes of the set
    int Answered() const { return answered_; }
    int CodePos() const { return codePos_; }
    int RefPos() const { return refPos_; }
    int StartIndex() const { return startIndex_; }

    // Judges the text of the code field; at the kind's code width it is right or wrong,
    // and the field is to be emptied. Right moves on to the next item.
    Judgement Judge(const std::string& typed);
    // The keys the hint lights for the current item.
    std::vector<char> HintKeys() const;

private:
    PracticeKind kind_ = kNoDrill;
    std::string expected_;   // empty: no set loaded
    std::string reference_;
    std::string input_;
    int answered_ = 0;
    int codePos_ = 0;
    int refPos_ = 0;
    int startIndex_ = 0;
};

}  // namespace qope
