#include "app/PracticeDlg.h"

#include "common/AboutDlg.h"
#include "common/VersionHistoryDlg.h"
#include "common/WindowLook.h"
#include "win/gdi.h"

namespace {

constexpr int kButtonIds[] = {
#define QOPE_PICTURE_BUTTON(id, base, x, y, label) id,
#include "app/practice_buttons.def"
#undef QOPE_PICTURE_BUTTON
};

constexpr const char* kNoDrillStatus = "你还没有选择练习内容！";

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
    m_fontImpact12 = win::CreatePointFont(12, L"Impact");
    m_fontArial16 = win::CreatePointFont(16, L"Arial");
    qope::SetLabelFont(Handle(), kArialLabels, m_fontArial16.Get());
    qope::SetLabelFont(Handle(), kImpactLabels, m_fontImpact12.Get());
    ::SendDlgItemMessageW(Handle(), IDC_STATUS, WM_SETFONT, reinterpret_cast<WPARAM>(m_fontArial16.Get()), FALSE);

    m_strStatus = kNoDrillStatus;
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
    HBITMAP picture = nullptr;
    if (m_nPictureMode == 0) picture = m_nEdition == 86 ? m_bmpTitle86.Get() : m_bmpTitle98.Get();
    else picture = m_nEdition == 86 ? m_bmpKeyMap86.Get() : m_bmpKeyMap98.Get();
    win::CopyBitmap(dc, kPictureX, kPictureY, picture, kPictureWidth, kPictureHeight);
}

std::optional<INT_PTR> CPracticeDlg::OnEraseBackground(WPARAM wp, LPARAM) {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    win::StretchBitmap(reinterpret_cast<HDC>(wp), client, m_bmpBackground.Get());
    return TRUE;
}

std::optional<INT_PTR> CPracticeDlg::OnTimer(WPARAM, LPARAM) {
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
    return Dialog::OnColour(dc, control, colourType);
}

void CPracticeDlg::OnEdition86() { SwitchEdition(86); }
void CPracticeDlg::OnEdition98() { SwitchEdition(98); }

void CPracticeDlg::SwitchEdition(int edition) {
    if (m_nEdition == edition) return;
    m_strStatus = kNoDrillStatus;
    m_strExpectedCode.clear();
    ::SetWindowTextW(Item(IDC_KEYHELPBUTTON), L"键盘");
    m_nEdition = edition;
    m_strCompare.clear();
    m_strInput.clear();
    m_nPictureMode = 0;
    {
        win::WindowDC dc(Handle());
        DrawPictureArea(dc.Get());
    }
    Push();
}

void CPracticeDlg::OnCodeChanged() {
    // The clock pushes every member on every tick, so the member must follow the field.
    Read();
}

void CPracticeDlg::OnDisplayFocus() { ::SetFocus(Item(IDC_CODE_EDIT)); }

void CPracticeDlg::OnExit() { OnOK(); }

void CPracticeDlg::OnVersionHistory() {
    CVersionHistoryDlg history;
    history.RunModal(nullptr);
}
