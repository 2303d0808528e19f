// The main practice window: drill buttons, menu, display fields, picture area, clock.
//
// Every other window of the program is a modal dialog opened from here. The window owns
// all state that lives longer than one handler: the drill in progress, the pictures, the
// clock, the music. It draws everything it shows from that state when it paints; a handler
// changes the state and invalidates what changed.
#pragma once

#include "app/HelpViewer.h"
#include "app/MusicPlayer.h"
#include "app/PracticeDlgRes.h"
#include "app/PracticePictures.h"
#include "app/ToolWindows.h"
#include "app/practice_drill.h"
#include "app/usage_clock.h"
#include "common/EditControls.h"
#include "common/session.h"
#include "common/timing_log.h"
#include "win/bitmap_button.h"
#include "win/dialog.h"
#include "win/overlay_control.h"
#include "win/progress_bar.h"
#include "win/scoped.h"
#include "win/timer.h"

#include <string>
#include <vector>

class CPracticeDlg : public win::Dialog {
public:
    explicit CPracticeDlg(qope::Session& session) : Dialog(IDD_PRACTICE), m_session(session) {}

    enum { kClockTimer = 10 };

protected:
    bool OnInitDialog() override;
    std::span<const win::MessageRoute> MessageRoutes() const override;
    std::span<const win::CommandRoute> CommandRoutes() const override;
    void Exchange(win::DataExchange& dx) override;
    const win::Look* GetLook() const override;
    bool OnOtherCommand(int id, WORD notification) override;
    long long OnDiagnostics(unsigned query) override;

private:
    std::optional<INT_PTR> OnPaint(WPARAM wp, LPARAM lp);
    std::optional<INT_PTR> OnEraseBackground(WPARAM wp, LPARAM lp);
    std::optional<INT_PTR> OnSysCommand(WPARAM wp, LPARAM lp);
    std::optional<INT_PTR> OnQueryDragIcon(WPARAM wp, LPARAM lp);
    std::optional<INT_PTR> OnDestroy(WPARAM wp, LPARAM lp);
    std::optional<INT_PTR> OnMusicNotify(WPARAM wp, LPARAM lp);
    void OnClockTick();

    // Drills.
    void StartCodeSet(qope::PracticeKind kind);
    void StartRootBatch(int rootKind);
    void OnCodeChanged();
    void ResetBars();
    int LocalSeconds() const;

    // Commands.
    void OnEdition86();
    void OnEdition98();
    void SwitchEdition(qope::WubiEdition edition);
    void OnDisplayFocus();
    void OnPictureToggle();
    void OnKeyHintsOn();
    void OnKeyHintsOff();
    void OnExit();
    void OnVersionHistory();
    void OnCodeLookup();
    void OnSystemHelp();
    void OnMusicChoice();
    void FocusCodeEdit();
    // A tool window of the table (app/ToolWindows.h): the drill left if it leaves it, the
    // beep, the modal run, the focus back in the code field, the US layout again if asked.
    void OpenToolWindow(const ToolWindow& tool);
    void ActivateUsKeyboard();

    // What the window shows, drawn from its state.
    bool RootRowsShown() const;
    void PaintRootRow(HDC dc, const RECT& area, const win::OverlayControl& line, bool answers) const;
    std::vector<char> LitKeys() const;
    void ShowPictureArea();   // the whole picture area changed
    void ShowLitKeys();       // the hint may have changed
    void ShowRootRows();      // both rows changed

    qope::Session& m_session;

    // Shown by the controls (1033, 1034, 1036, 1062, 1078, 1256, 1412, 1413, 1418).
    std::string m_strCompare;
    std::string m_strInput;
    std::string m_strCode;
    int m_nSpeed = 0;
    int m_nTypingSecs = 0;
    int m_nUseHours = 0;
    int m_nUseMinutes = 0;
    int m_nUseSeconds = 0;
    std::string m_strStatus;

    // The drill and the window's state.
    qope::PracticeDrill m_drill;
    qope::DrillTimer m_drillTimer;
    qope::UsageClock m_clock;
    win::Timer m_clockTimer{[this] { OnClockTick(); }};
    int m_nPictureMode = 0;  // 0 title picture, 1 keyboard root map
    int m_bKeyHints = 1;
    std::vector<char> m_litKeys;  // the key pictures the picture area shows now

    long long m_usKeyboardRequests = 0;
    CHelpViewer m_help;
    CMusicPlayer m_music;

    // For the benchmarks.
    qope::TimingLog m_rightAnswerTimes;
    qope::TimingLog m_setStartTimes;
    qope::TimingLog m_rootBatchTimes;
    qope::TimingLog m_rootRepaintTimes;
    qope::TimingLog m_paintTimes;

    // Controls bound as objects.
    CCodeEntryEdit m_editCode;
    win::OverlayControl m_rowQuestion;  // 1033: the question row of a root batch over it
    win::OverlayControl m_rowAnswer;    // 1034: the answer row
    win::ProgressBar m_barCorrect;
    win::ProgressBar m_barError;
    win::ButtonGroup m_buttons;

    // Pictures, loaded once for the life of the window.
    CPracticePictures m_pictures;
    win::ScopedIcon m_iconLarge, m_iconSmall;
};
