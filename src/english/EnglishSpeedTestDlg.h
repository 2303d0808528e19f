// The English speed test (英文测速): letters fall down a landscape one at a time, at one of
// five speeds, from one of four character sets; each key typed is judged against the
// letter falling then. It runs from the window's first paint until the window closes.
#pragma once

#include "common/SpeedTestPane.h"
#include "common/session.h"
#include "english/EnglishSpeedTestDlgRes.h"
#include "english/falling_letter.h"
#include "win/dialog.h"

#include <string>

class CEnglishSpeedTestDlg : public win::Dialog {
public:
    explicit CEnglishSpeedTestDlg(qope::Session& session);

protected:
    bool OnInitDialog() override;
    const win::Look* GetLook() const override;
    void PaintOver(HDC dc, const RECT& area) override;
    void Exchange(win::DataExchange& dx) override;
    std::span<const win::CommandRoute> CommandRoutes() const override;
    bool OnOtherCommand(int id, WORD notification) override;
    long long OnDiagnostics(unsigned query) override;

private:
    void OnTyped();
    void OnReturn();
    void FocusInput();
    void FocusInputFrom(int radio);

    qope::FallingLetter m_letter;
    SpeedTestPane m_pane;

    // Shown by the controls.
    std::string m_strTyped;
    int m_nCorrect = 0;
    int m_nErrors = 0;
};
