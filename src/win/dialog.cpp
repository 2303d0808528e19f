#include "win/dialog.h"

#include "win/back_buffer.h"
#include "win/diagnostics.h"
#include "win/gdi.h"
#include "win/scoped.h"
#include "win/text.h"
#include "win/timer.h"
#include "win/ui.h"

#include <algorithm>
#include <cstdlib>

namespace win {

namespace {

// One message for a short text (the common case); a longer one is asked again in full.
std::wstring WindowText(HWND hwnd) {
    wchar_t buffer[128];
    const int got = ::GetWindowTextW(hwnd, buffer, 128);
    if (got < 127) return std::wstring(buffer, static_cast<size_t>(std::max(got, 0)));
    const int length = ::GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int full = ::GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(full, 0)));
    return text;
}

// Answers with the result in the dialog's message result, except for the messages whose
// dialog-procedure return value is the result itself.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC: case WM_COMPAREITEM:
    case WM_VKEYTOITEM: case WM_CHARTOITEM: case WM_QUERYDRAGICON: case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

BOOL CALLBACK CountWindow(HWND hwnd, LPARAM count) {
    ++*reinterpret_cast<long*>(count);
    ::EnumChildWindows(hwnd, [](HWND, LPARAM c) -> BOOL { ++*reinterpret_cast<long*>(c); return TRUE; }, count);
    return TRUE;
}

LONG_PTR DiagnoseLayer(WPARAM query) {
    switch (query) {
    case kThreadWindows: {
        long count = 0;
        ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
        return count;
    }
    case kSystemGdiObjects: return ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    case kSystemUserObjects: return ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    case kOpenMessageBoxes: return MessageShown() ? 1 : 0;
    default:
        if (query < static_cast<WPARAM>(HandleKind::Count)) return LiveHandles(static_cast<HandleKind>(query));
        return -1;
    }
}

}  // namespace

ShownField& DataExchange::Shown(HWND control, int id) {
    for (ShownField& field : shown_)
        if (field.id == id) return field;
    wchar_t cls[16] = {};
    ::GetClassNameW(control, cls, 16);
    const bool editable = ::lstrcmpiW(cls, L"Edit") == 0 && (::GetWindowLongW(control, GWL_STYLE) & ES_READONLY) == 0;
    shown_.push_back({id, Narrow(WindowText(control)), editable, 0});
    return shown_.back();
}

std::string DataExchange::ReadText(HWND control, int id) {
    ShownField& field = Shown(control, id);
    if (field.editable) field.text = Narrow(WindowText(control));
    return field.text;
}

void DataExchange::PushText(HWND control, int id, const std::string& text) {
    ShownField& field = Shown(control, id);
    // What the learner can edit is compared with the window itself.
    if (field.editable) field.text = Narrow(WindowText(control));
    if (field.text == text) return;
    ::SetWindowTextW(control, Widen(text).c_str());
    field.text = text;
}

void DataExchange::Text(int id, std::string& member, int limit) {
    HWND control = ::GetDlgItem(dialog_, id);
    if (!control) return;
    if (reading_) {
        member = ReadText(control, id);
        if (limit > 0 && member.size() > static_cast<size_t>(limit)) member.resize(static_cast<size_t>(limit));
    } else {
        ShownField& field = Shown(control, id);
        if (limit > 0 && field.limit != limit) {
            ::SendMessageW(control, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
            field.limit = limit;
        }
        PushText(control, id, member);
    }
}

void DataExchange::Number(int id, int& member) {
    HWND control = ::GetDlgItem(dialog_, id);
    if (!control) return;
    if (reading_) {
        const std::string text = ReadText(control, id);
        char* end = nullptr;
        const long value = std::strtol(text.c_str(), &end, 10);
        if (!text.empty() && end && *end == '\0') member = static_cast<int>(value);
    } else {
        PushText(control, id, std::to_string(member));
    }
}

void LayOutInBaseUnits(HWND dialog, SIZE units) {
    RECT probe{0, 0, 4, 8};  // MapDialogRect: 4 x 8 dialog units are the base units in pixels
    if (!::MapDialogRect(dialog, &probe) || probe.right <= 0 || probe.bottom <= 0) return;
    const SIZE now{probe.right, probe.bottom};
    if (now.cx == units.cx && now.cy == units.cy) return;
    auto scale = [&](RECT& rect) {
        rect = RECT{::MulDiv(rect.left, units.cx, now.cx), ::MulDiv(rect.top, units.cy, now.cy),
                    ::MulDiv(rect.right, units.cx, now.cx), ::MulDiv(rect.bottom, units.cy, now.cy)};
    };
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        scale(rect);
        ::SetWindowPos(child, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT frame{};
    ::GetClientRect(dialog, &frame);
    scale(frame);
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongW(dialog, GWL_EXSTYLE)));
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    ::SetWindowPos(dialog, nullptr, work.left + (work.right - work.left - width) / 2,
                   work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR Dialog::RunModal(HWND owner) {
    return ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner, DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

void Dialog::Push() {
    pushing_ = true;
    DataExchange dx(hwnd_, false, shown_);
    Exchange(dx);
    pushing_ = false;
}

void Dialog::Read() {
    DataExchange dx(hwnd_, true, shown_);
    Exchange(dx);
}

void Dialog::OnOK() {
    Read();
    EndModal(IDOK);
}

void Dialog::OnCancel() { EndModal(IDCANCEL); }

void Dialog::EndModal(INT_PTR result) {
    StopTimers();
    ::EndDialog(hwnd_, result);
}

void Dialog::StopTimers() {
    if (!hwnd_) return;
    Timer::StopAllOf(hwnd_);
    for (Control* control : bound_)
        if (control->Handle()) Timer::StopAllOf(control->Handle());
}

namespace {
struct SharedColours {
    COLORREF ground = ::GetSysColor(COLOR_BTNFACE);
    COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
    ScopedBrush brush;
};
SharedColours& Shared() {
    static SharedColours colours;
    return colours;
}
}  // namespace

void SetDialogColours(COLORREF ground, COLORREF text) {
    SharedColours& shared = Shared();
    shared.ground = ground;
    shared.text = text;
    shared.brush.Reset();
}

HBRUSH Dialog::DialogColours(HDC dc, int colourType) {
    // Edits and list boxes keep the system's colours; everything else gets the dialogs'.
    if (colourType == CTLCOLOR_EDIT || colourType == CTLCOLOR_LISTBOX || colourType == CTLCOLOR_SCROLLBAR)
        return nullptr;
    SharedColours& shared = Shared();
    if (!shared.brush) shared.brush.Reset(::CreateSolidBrush(shared.ground));
    ::SetBkColor(dc, shared.ground);
    ::SetTextColor(dc, shared.text);
    return shared.brush.Get();
}

HBRUSH Dialog::OnColour(HDC dc, HWND control, int colourType) {
    if (HBRUSH brush = LabelColours(dc, control, colourType)) return brush;
    return DialogColours(dc, colourType);
}

// --- the look --------------------------------------------------------------------------

HFONT Dialog::LookFont(int index) const {
    return index >= 0 && static_cast<size_t>(index) < fonts_.size() ? fonts_[size_t(index)].Get() : nullptr;
}

void Dialog::ApplyLookFonts() {
    const Look* look = GetLook();
    if (!look) return;
    if (fonts_.empty())
        for (const PointFont& font : look->fonts) fonts_.push_back(CreatePointFont(font.points, font.face));
    for (const LabelStyle& label : look->labels)
        if (HFONT font = LookFont(label.font))
            ::SendDlgItemMessageW(hwnd_, label.id, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

// Labels, group boxes and radio buttons all ask as statics.
HBRUSH Dialog::LabelColours(HDC dc, HWND control, int colourType) const {
    const Look* look = GetLook();
    if (!look || colourType != CTLCOLOR_STATIC) return nullptr;
    const int id = ::GetDlgCtrlID(control);
    for (const LabelStyle& label : look->labels) {
        if (label.id != id) continue;
        if (label.opaque) {
            ::SetBkMode(dc, OPAQUE);
            ::SetBkColor(dc, label.ground);
        } else {
            ::SetBkMode(dc, TRANSPARENT);
        }
        if (HFONT font = LookFont(label.font)) ::SelectObject(dc, font);
        ::SetTextColor(dc, label.text);
        return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    }
    return nullptr;
}

bool Dialog::HandCursorOver(HWND control) const {
    const Look* look = GetLook();
    if (!look || !look->handCursor || !control || control == hwnd_) return false;
    const int id = ::GetDlgCtrlID(control);
    for (int listed : look->handCursorIds) {
        if (listed != id) continue;
        ::SetCursor(look->handCursor());
        return true;
    }
    return false;
}

void Dialog::PaintGround() {
    const Look* look = GetLook();
    PaintBuffered(hwnd_, [&](HDC dc, const RECT& area) {
        RECT client{};
        ::GetClientRect(hwnd_, &client);
        if (look->ground == Ground::Framed) {
            FillFramed(dc, client, look->groundColour);
        } else {
            ScopedBrush brush(::CreateSolidBrush(look->groundColour));
            ::FillRect(dc, &client, brush.Get());
        }
        PaintOver(dc, area);
    });
}

bool Dialog::Bind(Control& control, int id) {
    if (!control.Bind(hwnd_, id)) return false;
    bound_.push_back(&control);
    return true;
}

Control* Dialog::BoundControl(HWND hwnd) const {
    for (Control* control : bound_)
        if (control->Handle() == hwnd) return control;
    return nullptr;
}

LONG_PTR Dialog::Diagnose(WPARAM query) {
    const LONG_PTR answer = DiagnoseLayer(query);
    return answer != -1 ? answer : static_cast<LONG_PTR>(OnDiagnostics(static_cast<unsigned>(query)));
}

bool Dialog::RouteCommand(int id, WORD notification, HWND control) {
    if (pushing_ && (notification == EN_CHANGE || notification == EN_UPDATE)) return true;
    // The dialog manager sends the Enter key as a click of the default button: the key is
    // still down while it does.
    if (keepsOpenOnEnter_ && id == IDOK && notification == BN_CLICKED && (::GetKeyState(VK_RETURN) & 0x8000))
        return true;
    if (control)
        if (Control* bound = BoundControl(control))
            if (bound->OnCommand(notification)) return true;
    for (const CommandRoute& route : CommandRoutes()) {
        if (route.id == id && route.notification == notification) {
            (this->*route.handler)();
            return true;
        }
    }
    if (OnOtherCommand(id, notification)) return true;
    if (notification == BN_CLICKED && id == IDOK) { OnOK(); return true; }
    if (notification == BN_CLICKED && id == IDCANCEL) { OnCancel(); return true; }
    return false;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lp);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    const INT_PTR result = self->HandleMessage(message, wp, lp);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->bound_.clear();
        self->shown_.clear();
        self->hwnd_ = nullptr;
    }
    return result;
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    static const UINT diagnostics = ::RegisterWindowMessageW(kDiagnosticsMessage);
    if (message == diagnostics) {
        ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, Diagnose(wp));
        return TRUE;
    }
    // A tick that arrives while the window goes does nothing: its timers stop first.
    if (message == WM_DESTROY) StopTimers();
    for (const MessageRoute& route : MessageRoutes()) {
        if (route.message != message) continue;
        const std::optional<INT_PTR> result = (this->*route.handler)(wp, lp);
        if (!result) break;
        if (ReturnsResultDirectly(message)) return *result;
        ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, *result);
        return TRUE;
    }

    const Look* look = GetLook();
    const bool ground = look && look->ground != Ground::None;
    switch (message) {
    case WM_INITDIALOG:
        ApplyLookFonts();
        return OnInitDialog() ? TRUE : FALSE;
    case WM_ERASEBKGND:
        if (!ground) return FALSE;
        ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);  // the ground is part of the paint
        return TRUE;
    case WM_PAINT:
        if (!ground) return FALSE;
        PaintGround();
        return TRUE;
    case WM_SETCURSOR:
        if (!HandCursorOver(reinterpret_cast<HWND>(wp))) return FALSE;
        ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
        return TRUE;

    case WM_COMMAND:
        return RouteCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)) ? TRUE : FALSE;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        Control* control = BoundControl(item->hwndItem);
        if (control && control->OnDrawItem(*item)) {
            ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        return FALSE;
    }
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC: {
        const auto dc = reinterpret_cast<HDC>(wp);
        const auto control = reinterpret_cast<HWND>(lp);
        if (Control* bound = BoundControl(control))
            if (HBRUSH brush = bound->OnReflectedColour(dc)) return reinterpret_cast<INT_PTR>(brush);
        const int colourType = static_cast<int>(message - WM_CTLCOLORMSGBOX);
        return reinterpret_cast<INT_PTR>(OnColour(dc, control, colourType));
    }
    default:
        return FALSE;
    }
}

}  // namespace win
