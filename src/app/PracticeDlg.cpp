#include "app/PracticeDlg.h"

#include "app/practice_diagnostics.h"
#include "common/AboutDlg.h"
#include "common/DataFile.h"
#include "common/MusicDlg.h"
#include "common/VersionHistoryDlg.h"
#include "common/WindowLook.h"
#include "common/install_paths.h"
#include "drill/key_hint.h"
#include "lookup/CodeLookupDlg.h"
#include "lookup/DictionaryDlg.h"
#include "lookup/code_lookup.h"
#include "win/back_buffer.h"
#include "win/gdi.h"
#include "win/text.h"
#include "win/ui.h"

#include <algorithm>
#include <climits>

#include <mmsystem.h>

namespace {

constexpr win::ButtonSpec kPictureButtons[] = {
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

// Labels in Arial 16 and in Impact 12. The status line is drawn apart: opaque yellow ground.
constexpr qope::LabelColour kArialLabels[] = {
    {IDC_LABEL_CHOOSE, kWhite},   {IDC_LABEL_TIMING, kWhite},    {IDC_LABEL_SECONDS, kWhite},
    {IDC_LABEL_COMPARE, kCyan},   {IDC_LABEL_INPUT, kMagenta},   {IDC_LABEL_CODE, kRed},
    {IDC_LABEL_USE_TIME, kBlue},  {IDC_LABEL_SPEED, kGreen},     {IDC_LABEL_SPEED_UNIT, kGreen},
};
constexpr qope::LabelColour kImpactLabels[] = {
    {IDC_CREDIT, kCyan}, {IDC_LABEL_CORRECT_RATE, kBlue}, {IDC_LABEL_ERROR_RATE, kRed},
};

constexpr int kUsKeyboardReorder = KLF_REORDER;
constexpr int kKeyPictureSize = 70;
constexpr RECT kPictureArea = {CPracticeDlg::kPictureX, CPracticeDlg::kPictureY,
                               CPracticeDlg::kPictureX + CPracticeDlg::kPictureWidth,
                               CPracticeDlg::kPictureY + CPracticeDlg::kPictureHeight};

using Rows = qope::RootRowLayout;

RECT KeyRect(char letter) {
    const qope::KeyPicture* key = qope::FindKeyPicture(letter);
    if (!key) return RECT{};
    return RECT{key->x, key->y, key->x + kKeyPictureSize, key->y + kKeyPictureSize};
}

RECT CellRect(int i, int y) { return RECT{Rows::CellX(i), y, Rows::CellX(i) + Rows::kCell, y + Rows::kCell}; }

// Microseconds since `start`, for the benchmarks.
class Stopwatch {
public:
    Stopwatch() { ::QueryPerformanceCounter(&start_); }
    std::int64_t Micros() const {
        LARGE_INTEGER now{}, frequency{};
        ::QueryPerformanceCounter(&now);
        ::QueryPerformanceFrequency(&frequency);
        return (now.QuadPart - start_.QuadPart) * 1000000 / frequency.QuadPart;
    }

private:
    LARGE_INTEGER start_{};
};

}  // namespace

std::span<const win::MessageRoute> CPracticeDlg::MessageRoutes() const {
    static const win::MessageRoute routes[] = {
        win::OnMessage(WM_PAINT, &CPracticeDlg::OnPaint),
        win::OnMessage(WM_ERASEBKGND, &CPracticeDlg::OnEraseBackground),
        win::OnMessage(WM_TIMER, &CPracticeDlg::OnTimer),
        win::OnMessage(WM_SETCURSOR, &CPracticeDlg::OnSetCursor),
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
        win::OnCommand(ID_DICTIONARY, &CPracticeDlg::OnDictionary),
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
    m_rowQuestion.showsRow = m_rowAnswer.showsRow = [this] { return RootRowsShown(); };
    m_rowQuestion.paintRow = [this](HDC dc, const RECT& area) { DrawRootRow(dc, area, false); };
    m_rowAnswer.paintRow = [this](HDC dc, const RECT& area) { DrawRootRow(dc, area, true); };
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
    m_buttons.OnClick(IDC_STUDYZBUTTON, [this] { OnDictionary(); });
    m_buttons.OnClick(IDC_SYSHELPBUTTON, [this] { OnSystemHelp(); });
    m_editCode.onHelp = [this] { OnSystemHelp(); };

    m_bmpBackground = win::LoadBitmapResource(IDB_BACKGROUND);
    {
        // The background stretched once over the client area: the window and the display
        // lines over which root rows lie copy their ground from it.
        RECT client{};
        ::GetClientRect(Handle(), &client);
        m_bmpGround = win::StretchedCopy(m_bmpBackground.Get(), SIZE{client.right, client.bottom});
    }
    m_nPictureMode = 0;
    m_session.SetEdition(qope::kWubi86);
    m_bmpKeyMap86 = win::LoadBitmapResource(IDB_KEYMAP86);
    m_bmpKeyMap98 = win::LoadBitmapResource(IDB_KEYMAP98);
    m_bmpTitle86 = win::LoadBitmapResource(IDB_TITLE86);
    m_bmpTitle98 = win::LoadBitmapResource(IDB_TITLE98);
    for (char letter = 'a'; letter <= 'y'; ++letter) {
        if (const qope::KeyPicture* key = qope::FindKeyPicture(letter)) {
            m_bmpKeys86[size_t(letter - 'a')] = win::LoadBitmapResource(key->id86);
            m_bmpKeys98[size_t(letter - 'a')] = win::LoadBitmapResource(key->id98);
        }
    }
    m_fontImpact12 = win::CreatePointFont(12, L"Impact");
    m_fontArial16 = win::CreatePointFont(16, L"Arial");
    qope::SetLabelFont(Handle(), kArialLabels, m_fontArial16.Get());
    qope::SetLabelFont(Handle(), kImpactLabels, m_fontImpact12.Get());
    ::SendDlgItemMessageW(Handle(), IDC_STATUS, WM_SETFONT, reinterpret_cast<WPARAM>(m_fontArial16.Get()), FALSE);

    m_strStatus = qope::kNoDrillStatus;
    ::SetWindowTextW(Handle(), L" Qope ");
    ::SetTimer(Handle(), kClockTimer, qope::UsageClock::kTickMs, nullptr);
    m_clock.Reset();
    m_drillTimer.Reset();

    ::SendMessageW(Item(IDC_APP_ICON), STM_SETICON, reinterpret_cast<WPARAM>(m_iconLarge.Get()), 0);
    m_bKeyHints = 1;
    Push();
    return false;  // the focus is in the code field
}

void CPracticeDlg::ActivateUsKeyboard() const {
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
    const Stopwatch watch;
    win::PaintBuffered(Handle(), [this](HDC dc, const RECT& area) {
        DrawGround(dc, area);
        DrawPictureArea(dc, area);
    });
    m_paintTimes.Add(watch.Micros());
    return 0;
}

std::optional<INT_PTR> CPracticeDlg::OnEraseBackground(WPARAM wp, LPARAM) {
    // The ground is painted with everything else; only a minimised window erases here.
    if (::IsIconic(Handle())) {
        RECT client{};
        ::GetClientRect(Handle(), &client);
        win::StretchBitmap(reinterpret_cast<HDC>(wp), client, m_bmpBackground.Get());
    }
    return TRUE;
}

void CPracticeDlg::DrawGround(HDC dc, const RECT& area) const {
    if (!m_bmpGround) return;
    win::ScopedMemoryDC memory(::CreateCompatibleDC(dc));
    win::SelectScope select(memory.Get(), m_bmpGround.Get());
    ::BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory.Get(), area.left,
             area.top, SRCCOPY);
}

void CPracticeDlg::DrawPictureArea(HDC dc, const RECT& area) const {
    if (!win::Overlap(area, kPictureArea)) return;
    win::BitmapCopier copier(dc);
    copier.Copy(kPictureX, kPictureY, m_nPictureMode == 0 ? TitlePicture() : KeyMapPicture(), kPictureWidth,
                kPictureHeight);
    const auto& keys = m_session.Edition() == qope::kWubi86 ? m_bmpKeys86 : m_bmpKeys98;
    for (char letter : LitKeys()) {
        const RECT rect = KeyRect(letter);
        if (win::Overlap(area, rect))
            copier.Copy(rect.left, rect.top, keys[size_t(letter - 'a')].Get(), kKeyPictureSize, kKeyPictureSize);
    }
}

HBITMAP CPracticeDlg::TitlePicture() const {
    return (m_session.Edition() == qope::kWubi86 ? m_bmpTitle86 : m_bmpTitle98).Get();
}
HBITMAP CPracticeDlg::KeyMapPicture() const {
    return (m_session.Edition() == qope::kWubi86 ? m_bmpKeyMap86 : m_bmpKeyMap98).Get();
}

// The keys of the current item are lit while the map is shown and hints are on.
std::vector<char> CPracticeDlg::LitKeys() const {
    if (m_nPictureMode != 1 || m_bKeyHints != 1) return {};
    return m_nPracticeKind == qope::kRootDrill ? m_roots.HintKeys() : m_codes.HintKeys();
}

bool CPracticeDlg::RootRowsShown() const {
    return m_nPracticeKind == qope::kRootDrill && m_roots.Active() && m_roots.Edition() == m_session.Edition() &&
           RootSet(m_roots.Edition()).loaded;
}

// The question row (in 1033) or the answer row (in 1034) over the window's ground; the
// answer row is blanked by the strip and shows the roots answered so far.
void CPracticeDlg::DrawRootRow(HDC dc, const RECT& area, bool answers) const {
    DrawGround(dc, area);
    const RootPictureSet& set = RootSet(m_roots.Edition());
    const std::vector<int>& row = m_roots.Row();
    win::BitmapCopier copier(dc);
    const int y = answers ? Rows::kAnswerY : Rows::kQuestionY;
    if (answers) copier.Copy(Rows::kRowX, y, set.strip.Get(), Rows::kStripWidth, Rows::kCell);
    const int shown = answers ? m_roots.Answered() : static_cast<int>(row.size());
    for (int i = 0; i < shown && i < static_cast<int>(row.size()); ++i) {
        const int index = row[size_t(i)];
        if (index < 0 || index >= static_cast<int>(set.roots.size())) continue;
        if (win::Overlap(area, CellRect(i, y)))
            copier.Copy(Rows::CellX(i), y, set.roots[size_t(index)].Get(), Rows::kCell, Rows::kCell);
    }
}

void CPracticeDlg::ShowPictureArea() {
    win::Invalidate(Handle(), &kPictureArea);
    m_litKeys = LitKeys();
}

void CPracticeDlg::ShowLitKeys() {
    std::vector<char> keys = LitKeys();
    if (keys == m_litKeys) return;
    for (const auto* list : {&m_litKeys, &keys})
        for (char letter : *list) {
            const RECT rect = KeyRect(letter);
            win::Invalidate(Handle(), &rect);
        }
    m_litKeys = std::move(keys);
}

void CPracticeDlg::ShowRootRows() {
    m_rowQuestion.Invalidate();
    m_rowAnswer.Invalidate();
}

// --- the window ------------------------------------------------------------------------

std::optional<INT_PTR> CPracticeDlg::OnTimer(WPARAM, LPARAM) {
    m_drillTimer.Tick();
    if (auto speed = qope::DrillSpeed(m_nPracticeKind, m_strInput.size(), m_roots.Answered(), m_drillTimer))
        m_nSpeed = *speed;
    m_nTypingSecs = static_cast<int>(std::min<std::int64_t>(m_drillTimer.Seconds(), INT_MAX));
    m_clock.Tick();
    m_nUseHours = m_clock.Hours();
    m_nUseMinutes = m_clock.Minutes();
    m_nUseSeconds = m_clock.Seconds();
    Push();
    return std::nullopt;
}

std::optional<INT_PTR> CPracticeDlg::OnSetCursor(WPARAM wp, LPARAM) {
    if (qope::ShowHandCursorOver(reinterpret_cast<HWND>(wp), m_buttons.Ids())) return TRUE;
    return std::nullopt;
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

HBRUSH CPracticeDlg::OnColour(HDC dc, HWND control, int colourType) {
    if (colourType == CTLCOLOR_STATIC && ::GetDlgCtrlID(control) == IDC_STATUS) {
        ::SetBkMode(dc, OPAQUE);
        ::SetBkColor(dc, kYellow);
        ::SelectObject(dc, m_fontArial16.Get());
        ::SetTextColor(dc, kRed);
        return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    }
    if (HBRUSH b = qope::ColourLabel(dc, control, colourType, kArialLabels, m_fontArial16.Get())) return b;
    if (HBRUSH b = qope::ColourLabel(dc, control, colourType, kImpactLabels, m_fontImpact12.Get())) return b;
    return Dialog::OnColour(dc, control, colourType);
}

void CPracticeDlg::OnEdition86() { SwitchEdition(qope::kWubi86); }
void CPracticeDlg::OnEdition98() { SwitchEdition(qope::kWubi98); }

void CPracticeDlg::SwitchEdition(qope::WubiEdition edition) {
    if (m_session.Edition() == edition) return;
    m_strStatus = qope::kNoDrillStatus;
    AbandonDrill();
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
    if (!DrillLoaded()) {
        win::ShowMessage(Handle(), "对不起,您未选择对照汉字,\n\n暂不能查询,请选择后再使用!");
        return;
    }
    const bool roots = m_nPracticeKind == qope::kRootDrill;
    const std::optional<qope::Lookup> lookup =
        roots ? qope::LookupOf(m_nPracticeKind, m_roots.Keys(), m_roots.Answered(), std::string(), 0)
              : qope::LookupOf(m_nPracticeKind, m_codes.Expected(), m_codes.CodePos(), m_codes.Reference(),
                               m_codes.RefPos());
    if (!lookup) return;
    CCodeLookupDlg dialog;
    dialog.m_strChars = lookup->chars;
    dialog.m_strCode = lookup->code;
    dialog.m_nEdition = roots ? m_roots.Edition() : m_session.Edition();
    dialog.RunModal(Handle());
    FocusCodeEdit();
}

// The dictionary searches the 86 list whatever the edition; the drill is left as it is.
void CPracticeDlg::OnDictionary() {
    win::DefaultBeep();
    CDictionaryDlg dialog;
    dialog.RunModal(Handle());
    FocusCodeEdit();
}

// The Wubi tutorial in the help viewer, a window of its own beside this one (no owner):
// the drill goes on at once. The viewer is loaded on first use; without it nothing happens.
void CPracticeDlg::OnSystemHelp() {
    win::DefaultBeep();
    if (!m_htmlHelp && !m_helpTried) {
        m_helpTried = true;
        if (HMODULE viewer = ::LoadLibraryW(L"hhctrl.ocx"))
            m_htmlHelp = reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(::GetProcAddress(viewer, "HtmlHelpA")));
    }
    if (m_htmlHelp) m_htmlHelp(nullptr, qope::kHelpFile, kHelpDisplayTopic, 0);
    FocusCodeEdit();
}

// Help windows have no owner: close them with the program. The viewer stays loaded, since
// a window of it may still be on its way out. The music device would outlive the window.
std::optional<INT_PTR> CPracticeDlg::OnDestroy(WPARAM, LPARAM) {
    if (m_htmlHelp) m_htmlHelp(nullptr, nullptr, kHelpCloseAll, 0);
    DoMusic(m_music.Close());
    return std::nullopt;
}

// The music stops while the choice is open; 放弃 leaves it stopped.
void CPracticeDlg::OnMusicChoice() {
    DoMusic(m_music.DialogOpened());
    CMusicDlg dialog;
    dialog.m_nChosen = m_music.Playing();
    dialog.m_nLoopMode = m_music.LoopMode();
    if (dialog.RunModal(Handle()) == IDOK) DoMusic(m_music.DialogAccepted(dialog.m_nChosen, dialog.m_nLoopMode));
    FocusCodeEdit();
}

std::optional<INT_PTR> CPracticeDlg::OnMusicNotify(WPARAM wp, LPARAM lp) {
    DoMusic(m_music.Notified(static_cast<unsigned>(wp), static_cast<unsigned>(lp)));
    return 0;
}

void CPracticeDlg::DoMusic(const qope::MusicActions& actions) {
    if (actions.close) ::mciSendCommandW(actions.close, MCI_CLOSE, 0, 0);
    if (!actions.open) return;
    ++m_musicOpens;
    const std::wstring path = win::Widen(qope::MusicPath(actions.open));
    MCI_OPEN_PARMSW open{};
    open.lpstrElementName = path.c_str();
    const MCIDEVICEID device = ::mciSendCommandW(0, MCI_OPEN, MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(&open))
                                   ? 0
                                   : open.wDeviceID;
    if (!m_music.Opened(device)) return;
    MCI_PLAY_PARMS play{};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(Handle());
    if (::mciSendCommandW(device, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play)))
        DoMusic(m_music.PlayFailed());
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

bool CPracticeDlg::DrillLoaded() const {
    return m_nPracticeKind == qope::kRootDrill ? m_roots.Active() : m_codes.Loaded();
}

void CPracticeDlg::AbandonDrill() {
    m_codes.Abandon();
    m_roots.Abandon();
}

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
    const Stopwatch watch;
    m_strStatus = drill->status;
    ReleaseRootPictures();
    FocusCodeEdit();
    win::DefaultBeep();
    ResetBars();
    m_nPracticeKind = kind;
    m_roots.Abandon();
    m_codes.Begin(kind);
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
    if (!ReadCodeTable(*table, start, set)) {
        // A missing or damaged file: the learner was told which; nothing is loaded.
        m_strCompare.clear();
        Push();
        ShowLitKeys();
        return;
    }
    m_codes.Load(set);
    m_strCompare = m_codes.Reference();
    Push();
    ShowLitKeys();
    m_setStartTimes.Add(watch.Micros());
}

bool CPracticeDlg::ReadCodeTable(const qope::CodeTableFile& table, int start, qope::CodeTable& set) {
    const std::string itemPath = qope::InstallPath("selectfiles", table.itemFile);
    const std::string codePath =
        table.layout == qope::TableLayout::Paired ? qope::InstallPath("selectfiles", table.codeFile) : itemPath;
    qope::DataFile items(itemPath);
    if (!items.Open()) {
        qope::ReportFileError(Handle(), itemPath);
        return false;
    }
    qope::DataFile codes(codePath);
    if (!codes.Open()) {
        qope::ReportFileError(Handle(), codePath);
        return false;
    }
    switch (qope::ReadSet(table, start, items, codes, set)) {
    case qope::SetFailure::None:
        return true;
    case qope::SetFailure::ItemFile:
        qope::ReportDamagedFile(Handle(), itemPath);
        return false;
    case qope::SetFailure::CodeFile:
        qope::ReportDamagedFile(Handle(), codePath);
        return false;
    }
    return false;
}

void CPracticeDlg::StartRootBatch(int rootKind) {
    const qope::RootDrillRow* drill = qope::FindRootDrillRow(rootKind);
    if (!drill) return;
    const Stopwatch watch;
    FocusCodeEdit();
    win::DefaultBeep();
    ResetBars();
    m_nPracticeKind = qope::kRootDrill;
    m_strCompare = m_strInput = " ";
    m_strCode.clear();
    m_codes.Abandon();
    m_drillTimer.Reset();
    m_strStatus = drill->status;

    const int edition = m_session.Edition();
    // rand() is drawn only for an edition with a catalogue, as the batch needs it.
    const int start = qope::FindRootRule(rootKind, edition)
                          ? qope::RootDrill::StartIndex(rootKind, edition, LocalSeconds(), m_session.Rand())
                          : -1;
    if (start >= 0) LoadRootPictures(edition);
    m_roots.Start(rootKind, edition, start);
    ShowRootRows();
    ShowLitKeys();
    Push();
    m_rootBatchTimes.Add(watch.Micros());
}

void CPracticeDlg::OnCodeChanged() {
    const Stopwatch watch;
    Read();
    if (!DrillLoaded()) {
        // Nothing to answer: the key is refused (once: a box already shown takes no other).
        win::ShowMessage(Handle(), qope::kNoReferenceMessage, win::BoxIcon::Warning);
        m_strCode.clear();
        Push();
        return;
    }
    const bool roots = m_nPracticeKind == qope::kRootDrill;
    const qope::Judgement judgement = roots ? m_roots.Judge(m_strCode) : m_codes.Judge(m_strCode);
    if (judgement.answer == qope::Answer::Right) {
        if (roots) {
            const RECT cell = CellRect(m_roots.Answered() - 1, Rows::kAnswerY);
            m_rowAnswer.Invalidate(&cell);
        } else {
            m_strInput = m_codes.Input();
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
        if (roots) StartRootBatch(m_roots.Kind());
        else StartCodeSet(m_nPracticeKind);
    }
    // What shows of it is painted once the handler returns, and timed there.
    if (judgement.answer == qope::Answer::Right) m_rightAnswerTimes.Add(watch.Micros());
}

// --- root pictures ---------------------------------------------------------------------

void CPracticeDlg::RootPictureSet::Release() {
    roots.clear();
    strip.Reset();
    loaded = false;
}

void CPracticeDlg::ReleaseRootPictures() {
    m_roots86.Release();
    m_roots98.Release();
}

void CPracticeDlg::LoadRootPictures(int edition) {
    RootSet(edition == 86 ? 98 : 86).Release();
    RootPictureSet& set = RootSet(edition);
    if (set.loaded) return;
    const int count = qope::RootCount(edition);
    set.roots.clear();
    set.roots.reserve(size_t(count));
    for (int index = 0; index < count; ++index)
        set.roots.push_back(win::LoadBitmapResource(qope::RootPictureId(edition, index)));
    set.strip = win::LoadBitmapResource(IDB_ANSWER_STRIP);
    set.loaded = true;
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
    case qope::kMusicOpens: return m_musicOpens;
    case qope::kMusicDevice: return m_music.Device();
    case qope::kHandCursor: return reinterpret_cast<std::intptr_t>(qope::HandCursor());
    case qope::kTimeRootRepaint: {
        const Stopwatch watch;
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
