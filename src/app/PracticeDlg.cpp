#include "app/PracticeDlg.h"

#include "app/practice_diagnostics.h"
#include "common/AboutDlg.h"
#include "common/InstalledFiles.h"
#include "common/MusicDlg.h"
#include "common/VersionHistoryDlg.h"
#include "common/WindowLook.h"
#include "common/install_paths.h"
#include "common/stopwatch.h"
#include "lookup/CodeLookupDlg.h"
#include "win/back_buffer.h"
#include "win/text.h"
#include "win/ui.h"

#include <algorithm>
#include <climits>

#include <mmsystem.h>

namespace {

constexpr win::PictureButton kPictureButtons[] = {
#define QOPE_PICTURE_BUTTON(id, base, x, y, label) {id, L##base},
#include "app/practice_buttons.def"
#undef QOPE_PICTURE_BUTTON
};

// The buttons and menu items that start the character and word drills.
struct DrillCommand {
    int button;
    int menu;
    qope::PracticeKind kind;
};
constexpr DrillCommand kDrillCommands[] = {
#define QOPE_DRILL_KIND(kind, button, menu, status, codeWidth, setLength, referenceStep, speedDivisor) \
    {button, menu, qope::PracticeKind(kind)},
#include "drill/drill_kinds.def"
#undef QOPE_DRILL_KIND
};

// The menu items of the root drills; the all-roots drill also has a button.
struct RootCommand {
    int menu;
    int rootKind;
};
constexpr RootCommand kRootCommands[] = {
#define QOPE_ROOT_RULE(kind, edition, startMod, startOffset, step, wrapAbove, wrapMod, wrapOffset)
#define QOPE_ROOT_DRILL(kind, zone, menu, status) {menu, kind},
#include "roots/root_rules.def"
#undef QOPE_ROOT_DRILL
#undef QOPE_ROOT_RULE
};

constexpr COLORREF kWhite = RGB(255, 255, 255), kCyan = RGB(0, 255, 255), kMagenta = RGB(255, 0, 255),
                   kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0),
                   kYellow = RGB(255, 255, 0);

// The window's look: its ground and pictures it paints itself; labels in Arial 16 and
// Impact 12, the status line on an opaque yellow ground; the hand over every picture button.
enum { kImpact12, kArial16 };
constexpr win::PointFont kFonts[] = {{12, L"Impact"}, {16, L"Arial"}};
constexpr win::LabelStyle kLabels[] = {
    {IDC_LABEL_CHOOSE, kWhite, kArial16},   {IDC_LABEL_TIMING, kWhite, kArial16},
    {IDC_LABEL_SECONDS, kWhite, kArial16},  {IDC_LABEL_COMPARE, kCyan, kArial16},
    {IDC_LABEL_INPUT, kMagenta, kArial16},  {IDC_LABEL_CODE, kRed, kArial16},
    {IDC_LABEL_USE_TIME, kBlue, kArial16},  {IDC_LABEL_SPEED, kGreen, kArial16},
    {IDC_LABEL_SPEED_UNIT, kGreen, kArial16}, {IDC_CREDIT, kCyan, kImpact12},
    {IDC_LABEL_CORRECT_RATE, kBlue, kImpact12}, {IDC_LABEL_ERROR_RATE, kRed, kImpact12},
    {IDC_STATUS, kRed, kArial16, true, kYellow},
};
constexpr int kHandCursorIds[] = {
#define QOPE_PICTURE_BUTTON(id, base, x, y, label) id,
#include "app/practice_buttons.def"
#undef QOPE_PICTURE_BUTTON
};
constexpr win::Look kLook{win::Ground::None, 0, kFonts, kLabels, kHandCursorIds, qope::HandCursor};

constexpr int kUsKeyboardReorder = KLF_REORDER;

using Pictures = CPracticePictures;
using Rows = qope::RootRowLayout;

}  // namespace

const win::Look* CPracticeDlg::GetLook() const { return &kLook; }

std::span<const win::MessageRoute> CPracticeDlg::MessageRoutes() const {
    static const win::MessageRoute routes[] = {
        win::OnMessage(WM_PAINT, &CPracticeDlg::OnPaint),
        win::OnMessage(WM_ERASEBKGND, &CPracticeDlg::OnEraseBackground),
        win::OnMessage(WM_SYSCOMMAND, &CPracticeDlg::OnSysCommand),
        win::OnMessage(WM_QUERYDRAGICON, &CPracticeDlg::OnQueryDragIcon),
        win::OnMessage(WM_DESTROY, &CPracticeDlg::OnDestroy),
        win::OnMessage(MM_MCINOTIFY, &CPracticeDlg::OnMusicNotify),
    };
    return routes;
}

std::span<const win::CommandRoute> CPracticeDlg::CommandRoutes() const {
    static const win::CommandRoute routes[] = {
        win::OnCommand(ID_EDITION_86, &CPracticeDlg::OnEdition86),
        win::OnCommand(ID_EDITION_98, &CPracticeDlg::OnEdition98),
        win::OnCommand(IDC_COMPARE_TEXT, &CPracticeDlg::OnDisplayFocus, EN_SETFOCUS),
        win::OnCommand(IDC_INPUT_TEXT, &CPracticeDlg::OnDisplayFocus, EN_SETFOCUS),
        win::OnCommand(IDC_CODE_EDIT, &CPracticeDlg::OnCodeChanged, EN_CHANGE),
        win::OnCommand(ID_EXIT_SYSTEM, &CPracticeDlg::OnExit),
        win::OnCommand(ID_VERSION_HISTORY, &CPracticeDlg::OnVersionHistory),
        win::OnCommand(ID_KEYBOARD_HELP, &CPracticeDlg::OnPictureToggle),
        win::OnCommand(ID_KEY_HINTS_ON, &CPracticeDlg::OnKeyHintsOn),
        win::OnCommand(ID_KEY_HINTS_OFF, &CPracticeDlg::OnKeyHintsOff),
        win::OnCommand(ID_CODE_LOOKUP, &CPracticeDlg::OnCodeLookup),
        win::OnCommand(ID_WUBI_TUTORIAL, &CPracticeDlg::OnSystemHelp),
        win::OnCommand(ID_MUSIC_CHOICE, &CPracticeDlg::OnMusicChoice),
    };
    return routes;
}

void CPracticeDlg::Exchange(win::DataExchange& dx) {
    dx.Text(IDC_COMPARE_TEXT, m_strCompare);
    dx.Text(IDC_INPUT_TEXT, m_strInput);
    dx.Text(IDC_CODE_EDIT, m_strCode, 4);
    dx.Number(IDC_SPEED, m_nSpeed);
    dx.Number(IDC_TYPING_SECS, m_nTypingSecs);
    dx.Number(IDC_USE_HOURS, m_nUseHours);
    dx.Number(IDC_USE_MINUTES, m_nUseMinutes);
    dx.Number(IDC_USE_SECONDS, m_nUseSeconds);
    dx.Text(IDC_STATUS, m_strStatus);
}

bool CPracticeDlg::OnInitDialog() {
    Bind(m_editCode, IDC_CODE_EDIT);
    Bind(m_rowQuestion, IDC_COMPARE_TEXT);
    Bind(m_rowAnswer, IDC_INPUT_TEXT);
    Bind(m_barCorrect, IDC_CORRECT_BAR);
    Bind(m_barError, IDC_ERROR_BAR);
    // During a root batch the two display lines show the rows, which cover them whole.
    for (win::OverlayControl* line : {&m_rowQuestion, &m_rowAnswer}) {
        line->overlaid = [this] { return RootRowsShown(); };
        line->drawsOwnLook = false;
    }
    m_rowQuestion.paintOver = [this](HDC dc, const RECT& area) { PaintRootRow(dc, area, m_rowQuestion, false); };
    m_rowAnswer.paintOver = [this](HDC dc, const RECT& area) { PaintRootRow(dc, area, m_rowAnswer, true); };
    ::SetFocus(Item(IDC_CODE_EDIT));

    ActivateUsKeyboard();

    if (HMENU system = ::GetSystemMenu(Handle(), FALSE)) {
        wchar_t about[64] = {};
        if (::LoadStringW(::GetModuleHandleW(nullptr), IDS_ABOUTBOX, about, 64) > 0) {
            ::AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuW(system, MF_STRING, IDM_ABOUTBOX, about);
        }
    }

    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    m_iconLarge.Reset(static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                                      ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON), 0)));
    m_iconSmall.Reset(static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                                      ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0)));
    ::SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_iconLarge.Get()));
    ::SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_iconSmall.Get()));

    m_buttons.Load(*this, kPictureButtons);
    for (const DrillCommand& command : kDrillCommands)
        m_buttons.OnClick(command.button, [this, kind = command.kind] { StartCodeSet(kind); });
    m_buttons.OnClick(IDC_ALLWORDBOOT, [this] { StartRootBatch(qope::kAllRoots); });
    m_buttons.OnClick(IDC_KEYHELPBUTTON, [this] { OnPictureToggle(); });
    m_buttons.OnClick(IDC_EXIT, [this] { OnExit(); });
    m_buttons.OnClick(IDC_CODEFINDBUTTON, [this] { OnCodeLookup(); });
    m_buttons.OnClick(IDC_SYSHELPBUTTON, [this] { OnSystemHelp(); });
    for (const ToolWindow& tool : ToolWindows())
        if (tool.button) m_buttons.OnClick(tool.button, [this, &tool] { OpenToolWindow(tool); });
    m_editCode.onHelp = [this] { OnSystemHelp(); };

    m_pictures.Load(Handle());
    m_nPictureMode = 0;
    m_session.SetEdition(qope::kWubi86);

    m_strStatus = qope::kNoDrillStatus;
    ::SetWindowTextW(Handle(), L" Qope ");
    m_clockTimer.Start(Handle(), kClockTimer, qope::UsageClock::kTickMs);
    m_clock.Reset();
    m_drillTimer.Reset();
    m_music.Attach(Handle());

    ::SendMessageW(Item(IDC_APP_ICON), STM_SETICON, reinterpret_cast<WPARAM>(m_iconLarge.Get()), 0);
    m_bKeyHints = 1;
    Push();
    return false;  // the focus is in the code field
}

void CPracticeDlg::ActivateUsKeyboard() {
    ++m_usKeyboardRequests;
    if (HKL us = ::LoadKeyboardLayoutW(L"00000409", kUsKeyboardReorder)) ::ActivateKeyboardLayout(us, kUsKeyboardReorder);
}

// --- painting ------------------------------------------------------------------------

std::optional<INT_PTR> CPracticeDlg::OnPaint(WPARAM, LPARAM) {
    if (::IsIconic(Handle())) {
        win::PaintDC paint(Handle());
        RECT client{};
        ::GetClientRect(Handle(), &client);
        const int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        ::DrawIcon(paint.Get(), x, y, m_iconLarge.Get());
        return 0;
    }
    const qope::Stopwatch watch;
    const std::vector<char> lit = LitKeys();
    win::PaintBuffered(Handle(), [&](HDC dc, const RECT& area) {
        m_pictures.DrawGround(dc, area);
        m_pictures.DrawPictureArea(dc, area, m_session.Edition(), m_nPictureMode, lit);
    });
    m_paintTimes.Add(watch.Micros());
    return 0;
}

std::optional<INT_PTR> CPracticeDlg::OnEraseBackground(WPARAM wp, LPARAM) {
    // The ground is painted with everything else; only a minimised window erases here.
    if (::IsIconic(Handle())) {
        RECT client{};
        ::GetClientRect(Handle(), &client);
        m_pictures.StretchBackground(reinterpret_cast<HDC>(wp), client);
    }
    return TRUE;
}

// The keys of the current item are lit while the map is shown and hints are on.
std::vector<char> CPracticeDlg::LitKeys() const {
    if (m_nPictureMode != 1 || m_bKeyHints != 1) return {};
    return m_drill.HintKeys();
}

bool CPracticeDlg::RootRowsShown() const {
    return m_drill.ShowsRootRows(m_session.Edition()) && m_pictures.RootPicturesLoaded(m_session.Edition());
}

// A row is drawn in the window's coordinates, over the ground it shares with the window.
void CPracticeDlg::PaintRootRow(HDC dc, const RECT& area, const win::OverlayControl& line, bool answers) const {
    const POINT origin = line.Origin();
    ::OffsetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
    RECT windowArea = area;
    ::OffsetRect(&windowArea, origin.x, origin.y);
    m_pictures.DrawRootRow(dc, windowArea, m_drill.Roots(), answers);
}

void CPracticeDlg::ShowPictureArea() {
    win::Invalidate(Handle(), &Pictures::kPictureArea);
    m_litKeys = LitKeys();
}

void CPracticeDlg::ShowLitKeys() {
    std::vector<char> keys = LitKeys();
    if (keys == m_litKeys) return;
    for (const auto* list : {&m_litKeys, &keys})
        for (char letter : *list) {
            const RECT rect = Pictures::KeyRect(letter);
            win::Invalidate(Handle(), &rect);
        }
    m_litKeys = std::move(keys);
}

void CPracticeDlg::ShowRootRows() {
    m_rowQuestion.Invalidate();
    m_rowAnswer.Invalidate();
}

// --- the window ------------------------------------------------------------------------

void CPracticeDlg::OnClockTick() {
    m_drillTimer.Tick();
    if (auto speed = m_drill.Speed(m_strInput.size(), m_drillTimer)) m_nSpeed = *speed;
    m_nTypingSecs = static_cast<int>(std::min<std::int64_t>(m_drillTimer.Seconds(), INT_MAX));
    m_clock.Tick();
    m_nUseHours = m_clock.Hours();
    m_nUseMinutes = m_clock.Minutes();
    m_nUseSeconds = m_clock.Seconds();
    Push();
}

std::optional<INT_PTR> CPracticeDlg::OnSysCommand(WPARAM wp, LPARAM) {
    if ((wp & 0xFFF0) != IDM_ABOUTBOX) return std::nullopt;
    CAboutDlg about;
    about.RunModal(Handle());
    return 0;
}

std::optional<INT_PTR> CPracticeDlg::OnQueryDragIcon(WPARAM, LPARAM) {
    return reinterpret_cast<INT_PTR>(m_iconLarge.Get());
}

void CPracticeDlg::OnEdition86() { SwitchEdition(qope::kWubi86); }
void CPracticeDlg::OnEdition98() { SwitchEdition(qope::kWubi98); }

void CPracticeDlg::SwitchEdition(qope::WubiEdition edition) {
    if (m_session.Edition() == edition) return;
    m_strStatus = qope::kNoDrillStatus;
    m_drill.Abandon();
    ::SetWindowTextW(Item(IDC_KEYHELPBUTTON), L"键盘");
    m_session.SetEdition(edition);
    m_strCompare.clear();
    m_strInput.clear();
    m_nPictureMode = 0;
    ShowPictureArea();
    ShowRootRows();
    Push();
}

void CPracticeDlg::OnDisplayFocus() { FocusCodeEdit(); }
void CPracticeDlg::FocusCodeEdit() { ::SetFocus(Item(IDC_CODE_EDIT)); }

void CPracticeDlg::OnExit() { OnOK(); }

void CPracticeDlg::OnVersionHistory() {
    CVersionHistoryDlg history;
    history.RunModal(nullptr);
}

// The answer to the item asked now, without touching the drill.
void CPracticeDlg::OnCodeLookup() {
    win::DefaultBeep();
    if (!m_drill.Loaded()) {
        win::ShowMessage(Handle(), "对不起,您未选择对照汉字,\n\n暂不能查询,请选择后再使用!");
        return;
    }
    const std::optional<qope::Lookup> lookup = m_drill.LookupNow();
    if (!lookup) return;
    CCodeLookupDlg dialog;
    dialog.m_strChars = lookup->chars;
    dialog.m_strCode = lookup->code;
    dialog.m_nEdition = m_drill.LookupEdition(m_session.Edition());
    dialog.RunModal(Handle());
    FocusCodeEdit();
}

// The tutorial opens beside this window: the drill goes on at once.
void CPracticeDlg::OnSystemHelp() {
    win::DefaultBeep();
    m_help.Show();
    FocusCodeEdit();
}

void CPracticeDlg::OpenToolWindow(const ToolWindow& tool) {
    const std::unique_ptr<win::Dialog> window = tool.make(m_session);
    if (tool.leavesDrill) {
        m_strStatus = qope::kNoDrillStatus;
        m_drill.Abandon();
        m_pictures.ReleaseRootPictures();
    }
    win::DefaultBeep();
    if (tool.leavesDrill) {
        m_strCompare.clear();
        m_strInput.clear();
        ShowRootRows();
        ShowLitKeys();
        Push();
    }
    window->RunModal(Handle());
    FocusCodeEdit();
    if (tool.restoresUsKeyboard) ActivateUsKeyboard();
}

// Help windows have no owner: they close with the program, as the music device does.
std::optional<INT_PTR> CPracticeDlg::OnDestroy(WPARAM, LPARAM) {
    m_help.CloseAll();
    m_music.Close();
    return std::nullopt;
}

// The music stops while the choice is open; 放弃 leaves it stopped.
void CPracticeDlg::OnMusicChoice() {
    m_music.ChoiceOpened();
    CMusicDlg dialog;
    dialog.m_nChosen = m_music.Playing();
    dialog.m_nLoopMode = m_music.LoopMode();
    if (dialog.RunModal(Handle()) == IDOK) m_music.ChoiceAccepted(dialog.m_nChosen, dialog.m_nLoopMode);
    FocusCodeEdit();
}

std::optional<INT_PTR> CPracticeDlg::OnMusicNotify(WPARAM wp, LPARAM lp) {
    m_music.Notified(wp, lp);
    return 0;
}

void CPracticeDlg::OnPictureToggle() {
    win::DefaultBeep();
    m_nPictureMode = m_nPictureMode == 0 ? 1 : 0;
    ::SetWindowTextW(Item(IDC_KEYHELPBUTTON), m_nPictureMode == 1 ? L"背景" : L"键盘");
    FocusCodeEdit();
    ShowPictureArea();
}

void CPracticeDlg::OnKeyHintsOn() {
    m_bKeyHints = 1;
    ShowLitKeys();
}

void CPracticeDlg::OnKeyHintsOff() {
    m_bKeyHints = 0;
    ShowLitKeys();
}

bool CPracticeDlg::OnOtherCommand(int id, WORD notification) {
    if (notification != BN_CLICKED) return false;
    if (const ToolWindow* tool = ToolWindowOf(id)) {
        OpenToolWindow(*tool);
        return true;
    }
    for (const RootCommand& command : kRootCommands) {
        if (command.menu == id) {
            StartRootBatch(command.rootKind);
            return true;
        }
    }
    for (const DrillCommand& command : kDrillCommands) {
        if (command.menu == id) {
            StartCodeSet(command.kind);
            return true;
        }
    }
    return false;
}

// --- drills ------------------------------------------------------------------------------

void CPracticeDlg::ResetBars() {
    for (win::ProgressBar* bar : {&m_barCorrect, &m_barError}) {
        bar->SetRange(0, qope::kBarRange);
        bar->SetPos(0);
        bar->SetStep(1);
    }
}

int CPracticeDlg::LocalSeconds() const {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return now.wSecond;
}

void CPracticeDlg::StartCodeSet(qope::PracticeKind kind) {
    const qope::DrillKind* drill = qope::FindDrillKind(kind);
    if (!drill) return;
    const qope::Stopwatch watch;
    m_strStatus = drill->status;
    m_pictures.ReleaseRootPictures();
    FocusCodeEdit();
    win::DefaultBeep();
    ResetBars();
    m_drill.BeginSet(kind);
    m_strInput.clear();
    m_strCode.clear();
    m_drillTimer.Reset();
    ShowRootRows();

    const qope::CodeTableFile* table = qope::FindCodeTable(kind, m_session.Edition());
    if (!table) {
        // Only the 86 edition has this drill. Nothing stays loaded, so typing meets the
        // "no reference" message instead of the codes of the set before.
        m_strCompare.clear();
        Push();
        ShowLitKeys();
        win::ShowMessage(Handle(), qope::kOnly86Message);
        return;
    }
    const int start = qope::ChooseStartIndex(LocalSeconds(), m_session.Rand(), table->starts);
    qope::CodeTable set;
    if (!qope::ReadDrillSet(Handle(), *table, start, set)) {
        // A missing or damaged file: the learner was told which; nothing is loaded.
        m_strCompare.clear();
        Push();
        ShowLitKeys();
        return;
    }
    m_drill.Load(set);
    m_strCompare = m_drill.Reference();
    Push();
    ShowLitKeys();
    m_setStartTimes.Add(watch.Micros());
}

void CPracticeDlg::StartRootBatch(int rootKind) {
    const qope::RootDrillRow* drill = qope::FindRootDrillRow(rootKind);
    if (!drill) return;
    const qope::Stopwatch watch;
    FocusCodeEdit();
    win::DefaultBeep();
    ResetBars();
    m_strCompare = m_strInput = " ";
    m_strCode.clear();
    m_drillTimer.Reset();
    m_strStatus = drill->status;

    const int edition = m_session.Edition();
    // rand() is drawn only for an edition with a catalogue, as the batch needs it.
    const int start = qope::FindRootRule(rootKind, edition)
                          ? qope::RootDrill::StartIndex(rootKind, edition, LocalSeconds(), m_session.Rand())
                          : -1;
    if (start >= 0) m_pictures.LoadRootPictures(edition);
    m_drill.BeginBatch(rootKind, edition, start);
    ShowRootRows();
    ShowLitKeys();
    Push();
    m_rootBatchTimes.Add(watch.Micros());
}

void CPracticeDlg::OnCodeChanged() {
    const qope::Stopwatch watch;
    Read();
    if (!m_drill.Loaded()) {
        // Nothing to answer: the key is refused (once: a box already shown takes no other).
        win::ShowMessage(Handle(), qope::kNoReferenceMessage, win::BoxIcon::Warning);
        m_strCode.clear();
        Push();
        return;
    }
    const qope::Judgement judgement = m_drill.Judge(m_strCode);
    if (judgement.answer == qope::Answer::Right) {
        if (m_drill.IsRootBatch()) {
            m_rowAnswer.InvalidateParentArea(Pictures::CellRect(m_drill.Roots().Answered() - 1, Rows::kAnswerY));
        } else {
            m_strInput = m_drill.Input();
        }
        m_strCode.clear();
        m_barCorrect.StepIt();
        Push();
        ShowLitKeys();
    } else if (judgement.answer == qope::Answer::Wrong) {
        m_barError.StepIt();
        m_strCode.clear();
        Push();
        win::PlaySoundAsync(qope::kSoundWrongAnswer);
    }
    if (judgement.setComplete) {
        if (m_drill.IsRootBatch()) StartRootBatch(m_drill.Roots().Kind());
        else StartCodeSet(m_drill.Kind());
    }
    // What shows of it is painted once the handler returns, and timed there.
    if (judgement.answer == qope::Answer::Right) m_rightAnswerTimes.Add(watch.Micros());
}

// --- diagnostics -----------------------------------------------------------------------

long long CPracticeDlg::OnDiagnostics(unsigned query) {
    switch (query) {
    case qope::kRightAnswerMedianMicros: return m_rightAnswerTimes.Median();
    case qope::kRightAnswerWorstMicros: return m_rightAnswerTimes.Worst();
    case qope::kRightAnswerCount: return static_cast<long long>(m_rightAnswerTimes.Count());
    case qope::kSetStartMedianMicros: return m_setStartTimes.Median();
    case qope::kSetStartWorstMicros: return m_setStartTimes.Worst();
    case qope::kSetStartCount: return static_cast<long long>(m_setStartTimes.Count());
    case qope::kRootBatchMedianMicros: return m_rootBatchTimes.Median();
    case qope::kRootRepaintMedianMicros: return m_rootRepaintTimes.Median();
    case qope::kRootRepaintCount: return static_cast<long long>(m_rootRepaintTimes.Count());
    case qope::kPaintMedianMicros: return m_paintTimes.Median();
    case qope::kPaintWorstMicros: return m_paintTimes.Worst();
    case qope::kPaintCount: return static_cast<long long>(m_paintTimes.Count());
    case qope::kMusicOpens: return m_music.Opens();
    case qope::kMusicDevice: return m_music.Device();
    case qope::kHandCursor: return reinterpret_cast<std::intptr_t>(qope::HandCursor());
    case qope::kUsKeyboardRequests: return m_usKeyboardRequests;
    case qope::kTimeRootRepaint: {
        const qope::Stopwatch watch;
        for (HWND line : {Item(IDC_COMPARE_TEXT), Item(IDC_INPUT_TEXT)})
            ::RedrawWindow(line, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        const std::int64_t micros = watch.Micros();
        m_rootRepaintTimes.Add(micros);
        return micros;
    }
    case qope::kClearTimings:
        m_rootBatchTimes.Clear();
        m_rootRepaintTimes.Clear();
        m_rightAnswerTimes.Clear();
        m_setStartTimes.Clear();
        m_paintTimes.Clear();
        return 0;
    default: return -1;
    }
}
