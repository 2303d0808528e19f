// The root drills: a batch of 28 root pictures, one key each, from all roots or one zone
// of the edition's catalogue; the check of every key the learner types.
//
// A value owned by the main window: it keeps the batch and says what each key came to;
// the window draws the rows from Row() and Answered() and shows the rest.
#pragma once

#include "drill/code_drill.h"
#include "roots/root_catalogue.h"

#include <string>
#include <vector>

namespace qope {

// Where the rows lie in the main window (client pixels); every picture is a 22 x 22 block
// whose top-left corner is the cell's.
struct RootRowLayout {
    static constexpr int kRowX = 157, kRowPitch = 21, kQuestionY = 390, kAnswerY = 430, kCell = 22;
    static constexpr int kStripWidth = 588;
    static constexpr int CellX(int i) { return kRowX + kRowPitch * i; }
};

class RootDrill {
public:
    // Starts a batch of `kind` in `edition` at the catalogue index `start`; false (and no
    // batch) when the edition has no catalogue. StartIndex() picks `start`.
    bool Start(int kind, int edition, int start);
    // The first index of a batch: seconds of the clock (0-59) times the next rand() value,
    // by the kind's rule; -1 when the edition has none.
    static int StartIndex(int kind, int edition, int seconds, int randomValue);
    // Leaves the batch: nothing is asked, the rows are not shown.
    void Abandon() { keys_.clear(); }

    bool Active() const { return !keys_.empty(); }
    int Kind() const { return kind_; }
    int Edition() const { return edition_; }
    // The catalogue indices of the question row, and how many of them are answered.
    const std::vector<int>& Row() const { return row_; }
    int Answered() const { return answered_; }
    const std::string& Keys() const { return keys_; }
    int CurrentRoot() const { return current_; }

    // Judges the text of the code field: one character is right or wrong, and the field is
    // to be emptied; anything else waits. Right moves on to the next root.
    Judgement Judge(const std::string& typed);
    // The key the hint lights.
    std::vector<char> HintKeys() const;

private:
    const RootRule* rule_ = nullptr;
    int kind_ = 0;
    int edition_ = 0;
    std::vector<int> row_;
    std::string keys_;  // empty: no batch
    int answered_ = 0;
    int current_ = 0;
};

}  // namespace qope
