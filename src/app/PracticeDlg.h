// The main practice window: drill buttons, menu, display fields, picture area, clock.
//
// Every other window of the program is a modal dialog opened from here. The window owns
// all state that lives longer than one handler: the edition, the drill, the pictures.
#pragma once

#include "app/usage_clock.h"
#include "common/EditControls.h"
#include "res/resource.h"
#include "win/bitmap_button.h"
#include "win/dialog.h"
#include "win/progress_bar.h"
#include "win/scoped.h"

#include <array>
#include <string>

class CPracticeDlg : public win::Dialog {
public:
    CPracticeDlg() : Dialog(IDD_PRACTICE) {}

    enum { kPictureX = 14, kPictureY = 10, kPictureWidth = 762, kPictureHeight = 265 };
    enum { kClockTimer = 10 };

protected:
    bool OnInitDialog() override;
    std::span<const win::MessageRoute> MessageRoutes() const override;
    std::span<const win::CommandRoute> CommandRoutes() const override;
    void Exchange(win::DataExchange& dx) override;
    HBRUSH OnColour(HDC dc, HWND control, int colourType) override;

private:
    std::optional<INT_PTR> OnPaint(WPARAM wp, LPARAM lp);
    std::optional<INT_PTR> OnEraseBackground(WPARAM wp, LPARAM lp);
    std::optional<INT_PTR> OnTimer(WPARAM wp, LPARAM lp);
    std::optional<INT_PTR> OnSetCursor(WPARAM wp, LPARAM lp);
    std::optional<INT_PTR> OnSysCommand(WPARAM wp, LPARAM lp);
    std::optional<INT_PTR> OnQueryDragIcon(WPARAM wp, LPARAM lp);

    void OnEdition86();
    void OnEdition98();
    void SwitchEdition(int edition);
    void OnCodeChanged();
    void OnDisplayFocus();
    void OnExit();
    void OnVersionHistory();

    void DrawPictureArea(HDC dc) const;
    void ActivateUsKeyboard() const;

    // Shown by the controls (exchanged on every push and read).
    std::string m_strCompare;   // 1033: items of the current set
    std::string m_strInput;     // 1034: items answered so far
    std::string m_strCode;      // 1036: the code being typed, at most 4 characters
    int m_nSpeed = 0;           // 1062: characters per minute
    int m_nTypingSecs = 0;      // 1078: seconds since the set started
    int m_nUseHours = 0;        // 1256, 1412, 1413: usage clock
    int m_nUseMinutes = 0;
    int m_nUseSeconds = 0;
    std::string m_strStatus;    // 1418: status line

    // Window state.
    int m_nEdition = 86;        // 86 or 98
    int m_nPictureMode = 0;     // 0 title picture, 1 keyboard root map
    int m_bKeyHints = 1;        // key-position hints on
    qope::UsageClock m_clock;
    // The expected code string of the drill; empty when no drill is loaded.
    std::string m_strExpectedCode;

    // Controls bound as objects.
    CCodeEntryEdit m_editCode;
    win::ProgressBar m_barCorrect;
    win::ProgressBar m_barError;
    std::array<win::BitmapButton, 21> m_buttons;

    // Pictures and fonts, loaded once for the life of the window.
    win::ScopedBitmap m_bmpBackground;
    win::ScopedBitmap m_bmpKeyMap86, m_bmpKeyMap98;
    win::ScopedBitmap m_bmpTitle86, m_bmpTitle98;
    win::ScopedFont m_fontImpact12;
    win::ScopedFont m_fontArial16;
    win::ScopedIcon m_iconLarge, m_iconSmall;
};
