// The glyph probe (see glyph_probe.h). A character has no glyph when it draws exactly as
// U+FFFF, which no font has: the font's missing-glyph mark, the box. Drawing it rather than
// asking GetGlyphIndices counts the glyphs the system links in from other fonts, as a
// Chinese system does for Latin faces.
#include "glyph_probe.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class GlyphMeter {
public:
    explicit GlyphMeter(HFONT font) : dc_(::CreateCompatibleDC(nullptr)) {
        old_font_ = ::SelectObject(dc_, font ? font : ::GetStockObject(SYSTEM_FONT));
        TEXTMETRICW tm{};
        ::GetTextMetricsW(dc_, &tm);
        height_ = tm.tmHeight + 8;
        width_ = 2 * std::max<LONG>(tm.tmMaxCharWidth, tm.tmHeight) + 8;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        old_bitmap_ = ::SelectObject(dc_, bitmap_);
        ::SetTextColor(dc_, RGB(0, 0, 0));
        ::SetBkColor(dc_, RGB(255, 255, 255));
        missing_ = Draw(0xFFFF);
    }
    ~GlyphMeter() {
        ::SelectObject(dc_, old_bitmap_);
        ::SelectObject(dc_, old_font_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(dc_);
    }
    GlyphMeter(const GlyphMeter&) = delete;
    GlyphMeter& operator=(const GlyphMeter&) = delete;

    // Characters of `text` drawn as the missing-glyph mark, and characters measured; blanks
    // and control characters (line breaks, the tab before a menu accelerator) draw nothing.
    std::pair<int, int> Measure(const std::wstring& text) {
        int missing = 0, measured = 0;
        for (wchar_t ch : text) {
            WORD type = 0;
            ::GetStringTypeW(CT_CTYPE1, &ch, 1, &type);
            if (type & (C1_SPACE | C1_CNTRL | C1_BLANK)) continue;
            ++measured;
            if (Draw(ch) == missing_) ++missing;
        }
        return {missing, measured};
    }

private:
    std::vector<DWORD> Draw(wchar_t ch) {
        const RECT all{0, 0, width_, height_};
        ::ExtTextOutW(dc_, 4, 4, ETO_OPAQUE, &all, &ch, 1, nullptr);
        ::GdiFlush();
        const DWORD* pixels = static_cast<const DWORD*>(bits_);
        return std::vector<DWORD>(pixels, pixels + size_t(width_) * height_);
    }

    HDC dc_;
    HGDIOBJ old_font_, old_bitmap_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    void* bits_ = nullptr;
    LONG width_ = 0, height_ = 0;
    std::vector<DWORD> missing_;
};

struct Report {
    std::wstring lines;
    void Add(const std::wstring& what, HFONT font, const std::wstring& text) {
        if (text.empty()) return;
        GlyphMeter meter(font);
        const auto [missing, measured] = meter.Measure(text);
        std::wstring shown = text;
        for (wchar_t& ch : shown)
            if (ch < L' ') ch = L' ';
        lines += what + L'\t' + std::to_wstring(missing) + L'\t' + std::to_wstring(measured) + L'\t' + shown + L'\n';
    }
};

std::wstring WindowText(HWND window) {
    std::wstring text(size_t(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(size_t(::GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

// Menu items as the menu draws them: the mnemonic marks are not drawn.
void AddMenu(Report& report, const std::wstring& what, HMENU menu, HFONT font) {
    for (int i = 0; menu && i < ::GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = {};
        ::GetMenuStringW(menu, UINT(i), text, 256, MF_BYPOSITION);
        std::wstring shown;
        for (const wchar_t* p = text; *p; ++p)
            if (*p != L'&' || p[1] == L'&') shown += *p;
        const std::wstring item = what + L' ' + std::to_wstring(i);
        report.Add(item, font, shown);
        AddMenu(report, item, ::GetSubMenu(menu, i), font);
    }
}

bool ShowsItsText(HWND control) {
    wchar_t cls[32] = {};
    ::GetClassNameW(control, cls, 32);
    const LONG style = ::GetWindowLongW(control, GWL_STYLE);
    if (!::IsWindowVisible(control)) return false;
    if (!lstrcmpiW(cls, L"Static")) {
        const LONG type = style & SS_TYPEMASK;
        return type != SS_ICON && type != SS_BITMAP && type != SS_OWNERDRAW && type != SS_ENHMETAFILE;
    }
    if (!lstrcmpiW(cls, L"Button")) return (style & BS_TYPEMASK) != BS_OWNERDRAW;
    return !lstrcmpiW(cls, L"Edit");
}

BOOL CALLBACK AddControl(HWND control, LPARAM lp) {
    if (ShowsItsText(control)) {
        const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
        reinterpret_cast<Report*>(lp)->Add(L"control " + std::to_wstring(::GetDlgCtrlID(control)), font,
                                           WindowText(control));
    }
    return TRUE;
}

std::wstring Probe(HWND window) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const HFONT caption = ::CreateFontIndirectW(&metrics.lfCaptionFont);
    const HFONT menu = ::CreateFontIndirectW(&metrics.lfMenuFont);
    Report report;
    report.Add(L"caption", caption, WindowText(window));
    AddMenu(report, L"menu", ::GetMenu(window), menu);
    AddMenu(report, L"system-menu", ::GetSystemMenu(window, FALSE), menu);
    ::EnumChildWindows(window, AddControl, reinterpret_cast<LPARAM>(&report));
    ::DeleteObject(caption);
    ::DeleteObject(menu);
    return report.lines;
}

void WriteReport(const std::wstring& lines) {
    HANDLE mapping = ::OpenFileMappingW(FILE_MAP_WRITE, FALSE, glyph_probe::kReport);
    if (!mapping) return;
    if (auto* view = static_cast<wchar_t*>(::MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0))) {
        const size_t room = glyph_probe::kReportBytes / sizeof(wchar_t) - 1;
        const size_t n = std::min(lines.size(), room);
        lines.copy(view, n);
        view[n] = L'\0';
        ::UnmapViewOfFile(view);
    }
    ::CloseHandle(mapping);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK GlyphProbeHook(int code, WPARAM wp, LPARAM lp) {
    static const UINT message = ::RegisterWindowMessageW(glyph_probe::kMessage);
    if (code == HC_ACTION) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lp);
        if (sent->message == message) WriteReport(Probe(sent->hwnd));
    }
    return ::CallNextHookEx(nullptr, code, wp, lp);
}
