#include "app/PracticeDlg.h"

#include "common/AboutDlg.h"
#include "common/VersionHistoryDlg.h"
#include "common/WindowLook.h"
#include "common/install_paths.h"
#include "drill/key_hint.h"
#include "roots/root_catalogue.h"
#include "win/diagnostics.h"
#include "win/file_source.h"
#include "win/gdi.h"
#include "win/ui.h"

namespace {

constexpr int kButtonIds[] = {
#define QOPE_PICTURE_BUTTON(id, base, x, y, label) id,
#include "app/practice_buttons.def"
#undef QOPE_PICTURE_BUTTON
};

// The buttons and menu items that start the character and word drills.
struct DrillCommand {
    int button;
    int menu;
    int kind;
};
constexpr DrillCommand kDrillCommands[] = {
#define QOPE_DRILL_KIND(kind, button, menu, status, codeWidth, setLength, referenceStep, speedDivisor) \
    {button, menu, kind},
#include "drill/drill_kinds.def"
#undef QOPE_DRILL_KIND
};

// The menu items and the button of the root drills.
struct RootCommand {
    int id;
    int rootKind;
};
constexpr RootCommand kRootCommands[] = {
#define QOPE_ROOT_RULE(kind, edition, startMod, startOffset, step, wrapAbove, wrapMod, wrapOffset)
#define QOPE_ROOT_DRILL(kind, zone, menu, status) {menu, kind},
#include "roots/root_rules.def"
#undef QOPE_ROOT_DRILL
#undef QOPE_ROOT_RULE
    {IDC_ALLWORDBOOT, qope::kAllRoots},
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

}  // namespace

std::span<const win::MessageRoute> CPracticeDlg::MessageRoutes() const {
    static const win::MessageRoute routes[] = {
        win::OnMessage(WM_PAINT, &CPracticeDlg::OnPaint),
        win::OnMessage(WM_ERASEBKGND, &CPracticeDlg::OnEraseBackground),
        win::OnMessage(WM_TIMER, &CPracticeDlg::OnTimer),
        win::OnMessage(WM_SETCURSOR, &CPracticeDlg::OnSetCursor),
        win::OnMessage(WM_SYSCOMMAND, &CPracticeDlg::OnSysCommand),
        win::OnMessage(WM_QUERYDRAGICON, &CPracticeDlg::OnQueryDragIcon),
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
        win::OnCommand(IDC_EXIT, &CPracticeDlg::OnExit),
        win::OnCommand(ID_EXIT_SYSTEM, &CPracticeDlg::OnExit),
        win::OnCommand(ID_VERSION_HISTORY, &CPracticeDlg::OnVersionHistory),
        win::OnCommand(IDC_KEYHELPBUTTON, &CPracticeDlg::OnPictureToggle),
        win::OnCommand(ID_KEYBOARD_HELP, &CPracticeDlg::OnPictureToggle),
        win::OnCommand(ID_KEY_HINTS_ON, &CPracticeDlg::OnKeyHintsOn),
        win::OnCommand(ID_KEY_HINTS_OFF, &CPracticeDlg::OnKeyHintsOff),
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
    Bind(m_barCorrect, IDC_CORRECT_BAR);
    Bind(m_barError, IDC_ERROR_BAR);
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

    for (size_t i = 0; i < m_buttons.size(); ++i) m_buttons[i].AutoLoad(*this, kButtonIds[i]);

    m_bmpBackground = win::LoadBitmapResource(IDB_BACKGROUND);
    m_nPictureMode = 0;
    m_nEdition = 86;
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

    ::SendMessageW(Item(IDC_APP_ICON), STM_SETICON, reinterpret_cast<WPARAM>(m_iconLarge.Get()), 0);
    m_bKeyHints = 1;
    Push();
    return false;  // the focus is in the code field
}

void CPracticeDlg::ActivateUsKeyboard() const {
    if (HKL us = ::LoadKeyboardLayoutW(L"00000409", kUsKeyboardReorder)) ::ActivateKeyboardLayout(us, kUsKeyboardReorder);
}

std::optional<INT_PTR> CPracticeDlg::OnPaint(WPARAM, LPARAM) {
    win::PaintDC paint(Handle());
    if (::IsIconic(Handle())) {
        RECT client{};
        ::GetClientRect(Handle(), &client);
        const int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        ::DrawIcon(paint.Get(), x, y, m_iconLarge.Get());
        return 0;
    }
    DrawPictureArea(paint.Get());
    return 0;
}

void CPracticeDlg::DrawPictureArea(HDC dc) const {
    HBITMAP picture = m_nPictureMode == 0 ? TitlePicture() : KeyMapPicture();
    win::CopyBitmap(dc, kPictureX, kPictureY, picture, kPictureWidth, kPictureHeight);
}

HBITMAP CPracticeDlg::TitlePicture() const { return (m_nEdition == 86 ? m_bmpTitle86 : m_bmpTitle98).Get(); }
HBITMAP CPracticeDlg::KeyMapPicture() const { return (m_nEdition == 86 ? m_bmpKeyMap86 : m_bmpKeyMap98).Get(); }

// Draws a picture of the picture area now, outside painting.
void CPracticeDlg::DrawPicture(HBITMAP picture) const {
    {
        win::WindowDC dc(Handle());
        win::CopyBitmap(dc.Get(), kPictureX, kPictureY, picture, kPictureWidth, kPictureHeight);
    }
    // The icon lies over the picture area: let it paint itself again on top.
    ::InvalidateRect(Item(IDC_APP_ICON), nullptr, TRUE);
}

std::optional<INT_PTR> CPracticeDlg::OnEraseBackground(WPARAM wp, LPARAM) {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    win::StretchBitmap(reinterpret_cast<HDC>(wp), client, m_bmpBackground.Get());
    return TRUE;
}

std::optional<INT_PTR> CPracticeDlg::OnTimer(WPARAM, LPARAM) {
    DrillTick();
    m_clock.Tick();
    m_nUseHours = m_clock.Hours();
    m_nUseMinutes = m_clock.Minutes();
    m_nUseSeconds = m_clock.Seconds();
    Push();
    return std::nullopt;
}

std::optional<INT_PTR> CPracticeDlg::OnSetCursor(WPARAM wp, LPARAM) {
    if (qope::ShowHandCursorOver(reinterpret_cast<HWND>(wp), kButtonIds)) return TRUE;
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
    HBRUSH brush = Dialog::OnColour(dc, control, colourType);
    RedrawRootRows();
    // The root rows lie over the two display lines, which show a blank during a batch: those
    // lines must not fill their ground over the pictures just drawn.
    const int id = ::GetDlgCtrlID(control);
    if (m_nPracticeKind == qope::kRootDrill && !m_strExpectedCode.empty() &&
        (id == IDC_COMPARE_TEXT || id == IDC_INPUT_TEXT)) {
        ::SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    }
    return brush;
}

void CPracticeDlg::OnEdition86() { SwitchEdition(86); }
void CPracticeDlg::OnEdition98() { SwitchEdition(98); }

void CPracticeDlg::SwitchEdition(int edition) {
    if (m_nEdition == edition) return;
    AbandonSet();
    ::SetWindowTextW(Item(IDC_KEYHELPBUTTON), L"键盘");
    m_nEdition = edition;
    m_strCompare.clear();
    m_strInput.clear();
    DrawPicture(TitlePicture());
    m_nPictureMode = 0;
    Push();
}

void CPracticeDlg::OnDisplayFocus() { ::SetFocus(Item(IDC_CODE_EDIT)); }

void CPracticeDlg::OnExit() { OnOK(); }

void CPracticeDlg::OnVersionHistory() {
    CVersionHistoryDlg history;
    history.RunModal(nullptr);
}

namespace {
std::int64_t MicrosecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now{}, frequency{};
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return (now.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart;
}
}  // namespace

bool CPracticeDlg::OnOtherCommand(int id, WORD notification) {
    if (notification != BN_CLICKED) return false;
    for (const RootCommand& command : kRootCommands) {
        if (command.id == id) {
            LARGE_INTEGER start{};
            ::QueryPerformanceCounter(&start);
            StartRootBatch(command.rootKind);
            m_rootBatchTimes.Add(MicrosecondsSince(start));
            return true;
        }
    }
    for (const DrillCommand& command : kDrillCommands) {
        if (command.button == id || command.menu == id) {
            LARGE_INTEGER start{};
            ::QueryPerformanceCounter(&start);
            StartCodeSet(command.kind);
            m_setStartTimes.Add(MicrosecondsSince(start));
            return true;
        }
    }
    return false;
}

void CPracticeDlg::OnCodeChanged() {
    LARGE_INTEGER start{};
    ::QueryPerformanceCounter(&start);
    const int rightBefore = m_nRightAnswers;
    CheckTypedCode();
    if (m_nRightAnswers != rightBefore) m_rightAnswerTimes.Add(MicrosecondsSince(start));
}

long long CPracticeDlg::OnDiagnostics(unsigned query) {
    switch (query) {
    case win::kRightAnswerMedianMicros: return m_rightAnswerTimes.Median();
    case win::kRightAnswerWorstMicros: return m_rightAnswerTimes.Worst();
    case win::kRightAnswerCount: return static_cast<long long>(m_rightAnswerTimes.Count());
    case win::kSetStartMedianMicros: return m_setStartTimes.Median();
    case win::kSetStartWorstMicros: return m_setStartTimes.Worst();
    case win::kSetStartCount: return static_cast<long long>(m_setStartTimes.Count());
    case win::kRootBatchMedianMicros: return m_rootBatchTimes.Median();
    case win::kRootRedrawMedianMicros: return m_rootRedrawTimes.Median();
    case win::kRootRedrawCount: return static_cast<long long>(m_rootRedrawTimes.Count());
    case win::kTimeRootRedraw: {
        LARGE_INTEGER start{};
        ::QueryPerformanceCounter(&start);
        RedrawRootRows();
        m_rootRedrawTimes.Add(MicrosecondsSince(start));
        return 0;
    }
    case win::kClearTimings:
        m_rootBatchTimes.Clear();
        m_rootRedrawTimes.Clear();
        m_rightAnswerTimes.Clear();
        m_setStartTimes.Clear();
        return 0;
    default: return -1;
    }
}

void CPracticeDlg::FocusCodeEdit() { ::SetFocus(Item(IDC_CODE_EDIT)); }
void CPracticeDlg::DefaultBeep() { win::DefaultBeep(); }
void CPracticeDlg::PlayWrongAnswerSound() { win::PlaySoundAsync(qope::kSoundWrongAnswer); }

void CPracticeDlg::ShowMessage(const std::string& text, bool exclamation) {
    win::ShowMessage(Handle(), text, exclamation ? win::BoxIcon::Warning : win::BoxIcon::None);
}

void CPracticeDlg::ResetBars() {
    for (win::ProgressBar* bar : {&m_barCorrect, &m_barError}) {
        bar->SetRange(0, qope::kBarRange);
        bar->SetPos(0);
        bar->SetStep(1);
    }
}

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

bool CPracticeDlg::RootPicturesLoaded(int edition) {
    return (edition == 86 || edition == 98) && RootSet(edition).loaded;
}

void CPracticeDlg::DrawRootStrip() {
    win::WindowDC dc(Handle());
    win::CopyBitmap(dc.Get(), kRowX, kAnswerY, RootSet(m_nEdition).strip.Get(), kStripWidth, kRootCell);
}

void CPracticeDlg::DrawRootPicture(int index, int x, int y) {
    const RootPictureSet& set = RootSet(m_nEdition);
    if (index < 0 || index >= static_cast<int>(set.roots.size())) return;
    win::WindowDC dc(Handle());
    win::CopyBitmap(dc.Get(), x, y, set.roots[size_t(index)].Get(), kRootCell, kRootCell);
}

int CPracticeDlg::LocalSeconds() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return now.wSecond;
}

bool CPracticeDlg::ReadCodeTable(const qope::CodeTableFile& table, int start, qope::CodeTable& set) {
    const std::string itemPath = qope::InstallPath("selectfiles", table.itemFile);
    const std::string codePath =
        table.layout == qope::TableLayout::Paired ? qope::InstallPath("selectfiles", table.codeFile) : itemPath;
    win::FileSource items(itemPath);
    if (!items.Open()) {
        win::ReportFileError(Handle(), itemPath);
        return false;
    }
    win::FileSource codes(codePath);
    if (!codes.Open()) {
        win::ReportFileError(Handle(), codePath);
        return false;
    }
    switch (qope::ReadSet(table, start, items, codes, set)) {
    case qope::SetFailure::None:
        return true;
    case qope::SetFailure::ItemFile:
        win::ReportDamagedFile(Handle(), itemPath);
        return false;
    case qope::SetFailure::CodeFile:
        win::ReportDamagedFile(Handle(), codePath);
        return false;
    }
    return false;
}

void CPracticeDlg::DrawKeyHint() {
    if (m_nPictureMode != 1) return;
    DrawPicture(KeyMapPicture());
    if (m_strExpectedCode.empty()) return;
    const auto& keys = m_nEdition == 86 ? m_bmpKeys86 : m_bmpKeys98;
    win::WindowDC dc(Handle());
    for (char letter : qope::HintedKeys(m_strExpectedCode, m_nCodePos, qope::HintLength(m_nPracticeKind))) {
        const qope::KeyPicture* key = qope::FindKeyPicture(letter);
        win::CopyBitmap(dc.Get(), key->x, key->y, keys[size_t(letter - 'a')].Get(), 70, 70);
    }
}

void CPracticeDlg::OnPictureToggle() {
    win::DefaultBeep();
    if (m_nPictureMode == 0) {
        DrawPicture(KeyMapPicture());
        m_nPictureMode = 1;
        ::SetWindowTextW(Item(IDC_KEYHELPBUTTON), L"背景");
        FocusCodeEdit();
        if (m_bKeyHints == 1) DrawKeyHint();
    } else {
        DrawPicture(TitlePicture());
        m_nPictureMode = 0;
        ::SetWindowTextW(Item(IDC_KEYHELPBUTTON), L"键盘");
        FocusCodeEdit();
    }
}

void CPracticeDlg::OnKeyHintsOn() {
    m_bKeyHints = 1;
    DrawKeyHint();
}

void CPracticeDlg::OnKeyHintsOff() {
    m_bKeyHints = 0;
    if (m_nPictureMode == 1) DrawPicture(KeyMapPicture());
}
