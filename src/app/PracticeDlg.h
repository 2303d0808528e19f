// The main practice window: drill buttons, menu, display fields, picture area, clock.
//
// Every other window of the program is a modal dialog opened from here. The window owns
// all state that lives longer than one handler: the drills, the pictures, the clock. It
// draws everything it shows from that state when it paints; a handler changes the state
// and invalidates what changed.
#pragma once

#include "app/PracticeDlgRes.h"
#include "app/usage_clock.h"
#include "common/EditControls.h"
#include "common/music_sequence.h"
#include "common/session.h"
#include "common/timing_log.h"
#include "drill/code_drill.h"
#include "roots/RootRowEdit.h"
#include "roots/root_drill.h"
#include "win/bitmap_button.h"
#include "win/dialog.h"
#include "win/progress_bar.h"
#include "win/scoped.h"

#include <array>
#include <string>
#include <vector>

class CPracticeDlg : public win::Dialog {
public:
    explicit CPracticeDlg(qope::Session& session) : Dialog(IDD_PRACTICE), m_session(session) {}

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
    std::optional<INT_PTR> OnPaint(WPARAM wp, LPARAM lp);
    std::optional<INT_PTR> OnEraseBackground(WPARAM wp, LPARAM lp);
    std::optional<INT_PTR> OnTimer(WPARAM wp, LPARAM lp);
    std::optional<INT_PTR> OnSetCursor(WPARAM wp, LPARAM lp);
    std::optional<INT_PTR> OnSysCommand(WPARAM wp, LPARAM lp);
    std::optional<INT_PTR> OnQueryDragIcon(WPARAM wp, LPARAM lp);

    // Drills.
    void StartCodeSet(qope::PracticeKind kind);
    void StartRootBatch(int rootKind);
    void OnCodeChanged();
    void OnCodeAnswer();
    void OnRootAnswer();
    void AfterAnswer(const qope::Judgement& judgement);
    bool DrillLoaded() const;
    void AbandonDrill();
    void ResetBars();
    bool ReadCodeTable(const qope::CodeTableFile& table, int start, qope::CodeTable& set);
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
    void OnDictionary();
    void OnSystemHelp();
    std::optional<INT_PTR> OnDestroy(WPARAM wp, LPARAM lp);
    void OnMusicChoice();
    std::optional<INT_PTR> OnMusicNotify(WPARAM wp, LPARAM lp);
    void DoMusic(const qope::MusicActions& actions);
    void FocusCodeEdit();

    // What the window shows, drawn from its state.
    void DrawGround(HDC dc, const RECT& area) const;
    void DrawPictureArea(HDC dc, const RECT& area) const;
    void DrawRootRow(HDC dc, const RECT& area, bool answers) const;
    bool RootRowsShown() const;
    std::vector<char> LitKeys() const;
    void ShowPictureArea();   // the whole picture area changed
    void ShowLitKeys();       // the hint may have changed
    void ShowRootRows();      // both rows changed
    HBITMAP TitlePicture() const;
    HBITMAP KeyMapPicture() const;
    void ActivateUsKeyboard() const;

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

    // The drills and the window's state.
    qope::PracticeKind m_nPracticeKind = qope::kNoDrill;
    qope::CodeDrill m_codes;
    qope::RootDrill m_roots;
    qope::DrillTimer m_drillTimer;
    qope::UsageClock m_clock;
    int m_nPictureMode = 0;  // 0 title picture, 1 keyboard root map
    int m_bKeyHints = 1;
    std::vector<char> m_litKeys;  // the key pictures the picture area shows now

    // The help viewer's entry (hhctrl.ocx, loaded on first use).
    using HtmlHelpFn = HWND(WINAPI*)(HWND caller, const char* file, UINT command, DWORD_PTR data);
    static constexpr UINT kHelpDisplayTopic = 0x0000, kHelpCloseAll = 0x0012;
    HtmlHelpFn m_htmlHelp = nullptr;
    bool m_helpTried = false;

    // The background music and the number of pieces it tried to open.
    qope::MusicSequence m_music;
    long long m_musicOpens = 0;

    // For the benchmarks.
    qope::TimingLog m_rightAnswerTimes;
    qope::TimingLog m_setStartTimes;
    qope::TimingLog m_rootBatchTimes;
    qope::TimingLog m_rootRepaintTimes;
    qope::TimingLog m_paintTimes;

    // Controls bound as objects.
    CCodeEntryEdit m_editCode;
    CRootRowEdit m_rowQuestion;  // 1033
    CRootRowEdit m_rowAnswer;    // 1034
    win::ProgressBar m_barCorrect;
    win::ProgressBar m_barError;
    win::ButtonGroup m_buttons;

    // Pictures and fonts, loaded once for the life of the window.
    win::ScopedBitmap m_bmpBackground;
    win::ScopedBitmap m_bmpGround;  // the background stretched over the client area
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
    const RootPictureSet& RootSet(int edition) const { return edition == 86 ? m_roots86 : m_roots98; }
    void LoadRootPictures(int edition);
    void ReleaseRootPictures();
};
