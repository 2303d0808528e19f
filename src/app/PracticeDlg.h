// The main practice window: drill buttons, menu, display fields, picture area, clock.
//
// Every other window of the program is a modal dialog opened from here. The window owns
// all state that lives longer than one handler: the edition, the drill, the pictures.
#pragma once

#include "app/usage_clock.h"
#include "common/timing_log.h"
#include "common/EditControls.h"
#include "drill/drill_engine.h"
#include "res/resource.h"
#include "win/bitmap_button.h"
#include "win/dialog.h"
#include "win/progress_bar.h"
#include "win/scoped.h"

#include <array>
#include <vector>
#include <string>

class CPracticeDlg : public win::Dialog, private qope::DrillEngine {
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
    bool OnOtherCommand(int id, WORD notification) override;
    long long OnDiagnostics(unsigned query) override;

private:
    // What the window does for the drill engine.
    void PushMembers() override { Push(); }
    void ReadMembers() override { Read(); }
    void FocusCodeEdit() override;
    void DefaultBeep() override;
    void PlayWrongAnswerSound() override;
    void ShowMessage(const std::string& text, bool exclamation) override;
    void ResetBars() override;
    void StepCorrectBar() override {
        m_barCorrect.StepIt();
        ++m_nRightAnswers;
    }
    void StepErrorBar() override { m_barError.StepIt(); }
    void DrawKeyHint() override;
    void ReleaseRootPictures() override;
    void LoadRootPictures(int edition) override;
    bool RootPicturesLoaded(int edition) override;
    void DrawRootStrip() override;
    void DrawRootPicture(int index, int x, int y) override;
    int LocalSeconds() override;
    bool ReadCodeTable(const qope::CodeTableFile& table, int start, qope::CodeTable& set) override;

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
    void OnPictureToggle();
    void OnKeyHintsOn();
    void OnKeyHintsOff();
    void OnExit();
    void OnVersionHistory();

    void DrawPictureArea(HDC dc) const;
    void DrawPicture(HBITMAP picture) const;
    HBITMAP TitlePicture() const;
    HBITMAP KeyMapPicture() const;
    void ActivateUsKeyboard() const;

    // Shown by the controls besides the drill's own fields (m_strCompare 1033, m_strInput
    // 1034, m_strCode 1036, m_nSpeed 1062, m_nTypingSecs 1078, m_strStatus 1418).
    int m_nUseHours = 0;        // 1256, 1412, 1413: usage clock
    int m_nUseMinutes = 0;
    int m_nUseSeconds = 0;

    // Window state besides the edition and the hint switch of the drill.
    int m_nPictureMode = 0;     // 0 title picture, 1 keyboard root map
    qope::UsageClock m_clock;

    // For the benchmarks: how long right answers and set starts take.
    int m_nRightAnswers = 0;
    qope::TimingLog m_rightAnswerTimes;
    qope::TimingLog m_setStartTimes;
    qope::TimingLog m_rootBatchTimes;
    qope::TimingLog m_rootRedrawTimes;

    // Controls bound as objects.
    CCodeEntryEdit m_editCode;
    win::ProgressBar m_barCorrect;
    win::ProgressBar m_barError;
    std::array<win::BitmapButton, 21> m_buttons;

    // Pictures and fonts, loaded once for the life of the window.
    win::ScopedBitmap m_bmpBackground;
    win::ScopedBitmap m_bmpKeyMap86, m_bmpKeyMap98;
    win::ScopedBitmap m_bmpTitle86, m_bmpTitle98;
    std::array<win::ScopedBitmap, 25> m_bmpKeys86, m_bmpKeys98;  // by letter a-y
    win::ScopedFont m_fontImpact12;
    win::ScopedFont m_fontArial16;
    win::ScopedIcon m_iconLarge, m_iconSmall;

    // The root pictures of one edition: one bitmap a catalogue index, and the answer strip.
    struct RootPictureSet {
        std::vector<win::ScopedBitmap> roots;
        win::ScopedBitmap strip;
        bool loaded = false;
        void Release();
    };
    RootPictureSet m_roots86, m_roots98;
    RootPictureSet& RootSet(int edition) { return edition == 86 ? m_roots86 : m_roots98; }
};
