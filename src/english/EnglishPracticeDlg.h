// The English practice window (英打练习): a lesson is copied line by line, seven reference
// lines a page, each typed character drawn again on green where it equals the reference
// at its place and on red where not; totals, accuracy and speed as it goes.
#pragma once

#include "common/EditControls.h"
#include "common/TypingPage.h"
#include "english/EnglishPracticeDlgRes.h"
#include "english/english_practice.h"
#include "win/dialog.h"
#include "win/timer.h"

#include <array>

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

    TypingPage<CLineInputEdit, kLines> m_page;
    std::array<int, kLines> m_lastLength{};  // characters of each typing line at its last change
    win::Timer m_speedTimer{[this] { m_page.Tick(*this); }};
};
