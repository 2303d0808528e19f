// The drill engine of the main practice window: starting a set, checking each typed
// code, the speed and set timer.
//
// The main window derives from it, so the drill state is the window's own state; what
// needs the window (pushing members into the controls, bars, sounds, boxes, hints, the
// files) is asked of it through the hooks below. The tests derive a model window.
#pragma once

#include "drill/code_table.h"

#include <string>

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
    int kind;
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

class DrillEngine {
public:
    virtual ~DrillEngine() = default;

    // Starts a set of a character or word drill.
    void StartCodeSet(int kind);
    // The change handler of the code field.
    void CheckTypedCode();
    // The drill's part of the 100 ms tick: speed and set timer.
    void DrillTick();

    // The root drills: a batch of 28 root pictures, one key each (kind 6 all roots,
    // 1-5 a zone).
    void StartAllRootsBatch() { StartRootBatch(6); }
    void StartZoneBatch(int zone) { StartRootBatch(zone); }
    void StartRootBatch(int rootKind);
    void CheckRootAnswer();
    // Draws the question row and the answered part of the answer row again.
    void RedrawRootRows();

    // Where the rows lie in the window (client pixels); every picture is a 22 x 22 block.
    static constexpr int kRowX = 157, kRowPitch = 21, kQuestionY = 390, kAnswerY = 430, kRootCell = 22;
    static constexpr int kStripWidth = 588;

protected:
    // What the window does for the drill.
    virtual void PushMembers() = 0;
    virtual void ReadMembers() = 0;
    virtual void FocusCodeEdit() = 0;
    virtual void DefaultBeep() = 0;
    virtual void PlayWrongAnswerSound() = 0;
    virtual void ShowMessage(const std::string& text, bool exclamation) = 0;
    virtual void ResetBars() = 0;  // both bars: range 0-28, position 0, step 1
    virtual void StepCorrectBar() = 0;
    virtual void StepErrorBar() = 0;
    virtual void DrawKeyHint() = 0;
    virtual void ReleaseRootPictures() = 0;
    // Loads the edition's root pictures once (releasing the other edition's set).
    virtual void LoadRootPictures(int edition) = 0;
    virtual bool RootPicturesLoaded(int edition) = 0;
    virtual void DrawRootStrip() = 0;  // blanks the answer row
    virtual void DrawRootPicture(int index, int x, int y) = 0;
    virtual int LocalSeconds() = 0;  // seconds field of the local time, 0-59
    // Reads the items and then the codes of a set; on failure it has told the learner
    // which file, and returns false.
    virtual bool ReadCodeTable(const CodeTableFile& table, int start, CodeTable& set) = 0;

public:
    // Shown by the window's controls.
    std::string m_strCompare;  // reference line: the items of the set
    std::string m_strInput;    // input line: the items answered so far
    std::string m_strCode;     // the code being typed
    int m_nSpeed = 0;
    int m_nTypingSecs = 0;
    std::string m_strStatus;

    int m_nEdition = 86;
    int m_bKeyHints = 1;

    // Drill state.
    int m_nPracticeKind = kNoDrill;
    std::string m_strExpectedCode;  // empty: no set loaded
    std::string m_strReference;
    std::string m_strComparison;
    int m_nAnswered = 0;
    int m_nCodePos = 0;
    int m_nRefPos = 0;
    int m_nStartIndex = 0;
    int m_nDrillTicks = 0;

    // Root batch state.
    int m_nRootDrillKind = 0;
    int m_nRootStart = 0;
    int m_nCurrentRoot = 0;

protected:
    // Leaves the drill: no set loaded, status line back to "nothing chosen".
    void AbandonSet();
};

}  // namespace qope
