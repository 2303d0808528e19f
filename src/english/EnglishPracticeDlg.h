// The English practice window (英打练习): a lesson is copied line by line, seven reference
// lines a page, each typed character drawn again on green where it equals the reference
// at its place and on red where not; totals, accuracy and speed as it goes.
#pragma once

#include "common/EditControls.h"
#include "common/line_typing.h"
#include "english/EnglishPracticeDlgRes.h"
#include "english/english_practice.h"
#include "win/dialog.h"
#include "win/timer.h"

#include <array>
#include <string>

class CEnglishPracticeDlg : public win::Dialog {
public:
    CEnglishPracticeDlg();

protected:
    bool OnInitDialog() override;
    const win::Look* GetLook() const override;
    void PaintOver(HDC dc, const RECT& area) override;
    void Exchange(win::DataExchange& dx) override;
    bool OnOtherCommand(int id, WORD notification) override;
    long long OnDiagnostics(unsigned query) override;

private:
    static constexpr int kLines = qope::kEnglishLines.pairs;
    enum { kSpeedTimer = 30 };

    void ChooseLesson(const qope::Lesson& lesson);
    void LoadPage();
    void FinishLesson();
    void OnTypingChanged(int line);
    void OnSpeedTick();
    // The members from the copying: the reference lines (typing lines emptied with
    // `emptyTyping`), the totals, the speed.
    void ShowCopy(bool emptyTyping);
    void ShowTotals();

    qope::LineCopy m_copy{qope::kEnglishLines};
    std::array<int, kLines> m_lastLength{};  // characters of each typing line at its last change

    // Shown by the controls.
    std::array<std::string, kLines> m_strReference;
    std::array<std::string, kLines> m_strTyping;
    int m_nTotal = 0;
    int m_nCorrect = 0;
    int m_nErrors = 0;
    std::string m_strAccuracy = "0";
    int m_nSpeed = 0;

    win::Timer m_speedTimer{[this] { OnSpeedTick(); }};
    std::array<CColorEdit, kLines> m_references;
    std::array<CLineInputEdit, kLines> m_typing;
};
