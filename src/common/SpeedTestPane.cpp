#include "common/SpeedTestPane.h"

#include "common/DataFile.h"
#include "common/install_paths.h"
#include "common/speed_test_diagnostics.h"
#include "common/stopwatch.h"
#include "win/gdi.h"
#include "win/text.h"

namespace {

// Glyphs may reach a little past the cell their extent gives (the tail of a j, an
// italic-looking overhang of the replacement face): what is repainted includes that.
constexpr int kGlyphMargin = 8;

}  // namespace

SpeedTestPane::SpeedTestPane(qope::PaneMotion& motion, int pictureId, qope::Session& session)
    : motion_(motion), rand_([&session] { return session.Rand(); }), pictureId_(pictureId) {}

bool SpeedTestPane::Attach(win::Dialog& dialog, int id) {
    if (!dialog.Bind(*this, id)) return false;
    drawsOwnLook = false;  // the picture covers the whole control
    paintOver = [this](HDC dc, const RECT& area) { Draw(dc, area); };
    RECT client{};
    ::GetClientRect(Handle(), &client);
    client_ = SIZE{client.right, client.bottom};
    font_ = win::CreatePointFont(qope::kPaneFontPoints, win::Widen(qope::kPaneFontFace).c_str());
    shown_ = TextRect(motion_.Text());
    // Stretched once, with averaging, into a bitmap of the screen's format: a paint then
    // only copies the part it repaints.
    const win::ScopedBitmap source = win::LoadBitmapResource(pictureId_);
    if (source && client_.cx > 0 && client_.cy > 0) {
        win::WindowDC screen(Handle());
        picture_.Reset(::CreateCompatibleBitmap(screen.Get(), client_.cx, client_.cy));
        const win::ScopedMemoryDC to(::CreateCompatibleDC(screen.Get()));
        const win::ScopedMemoryDC from(::CreateCompatibleDC(screen.Get()));
        if (picture_ && to && from) {
            const win::SelectScope selectTo(to.Get(), picture_.Get());
            const win::SelectScope selectFrom(from.Get(), source.Get());
            const SIZE size = win::BitmapSize(source.Get());
            ::SetStretchBltMode(to.Get(), HALFTONE);
            ::SetBrushOrgEx(to.Get(), 0, 0, nullptr);
            ::StretchBlt(to.Get(), 0, 0, client_.cx, client_.cy, from.Get(), 0, 0, size.cx, size.cy, SRCCOPY);
        }
    }
    return true;
}

void SpeedTestPane::Pace() {
    const int period = motion_.PeriodMs();
    if (held_ || period <= 0 || !Handle()) {
        timer_.Stop();
        return;
    }
    if (timer_.Running() && timer_.Period() == UINT(period)) return;
    timer_.Start(Handle(), qope::kPaneTimerId, UINT(period));
}

void SpeedTestPane::Hold(bool held) {
    held_ = held;
    Pace();
}

std::int64_t SpeedTestPane::Step() {
    const qope::Stopwatch watch;
    Tick();
    ::UpdateWindow(Handle());
    return watch.Micros();
}

std::int64_t SpeedTestPane::TimePaint() {
    const qope::Stopwatch watch;
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return watch.Micros();
}

long long SpeedTestPane::Diagnose(unsigned query) {
    const qope::PaneText text = motion_.Text();
    if (query >= qope::kSpeedTextBytes && query < qope::kSpeedTextBytes + qope::kSpeedTextChunks) {
        const size_t at = size_t(query - qope::kSpeedTextBytes) * 4;
        return at < text.text.size() ? qope::PackBytes(text.text.substr(at, 4)) : 0;
    }
    switch (query) {
    case qope::kSpeedTextX: return text.x;
    case qope::kSpeedTextY: return text.y;
    case qope::kSpeedTextLength: return static_cast<long long>(text.text.size());
    case qope::kSpeedSteps: return steps_;
    case qope::kSpeedPanePaints: return paints_;
    case qope::kSpeedPeriod: return timer_.Running() ? static_cast<long long>(timer_.Period()) : 0;
    case qope::kSpeedHold: Hold(true); return 1;
    case qope::kSpeedResume: Hold(false); return 1;
    case qope::kSpeedStep: return Step();
    case qope::kSpeedTimePaint: return TimePaint();
    default: return -1;
    }
}

void SpeedTestPane::Tick() {
    const qope::PaneFailure failure = motion_.Step(client_.cx, client_.cy, rand_);
    ++steps_;
    Refresh();
    // A stop kills the timer before the box: its modal loop would go on ticking.
    Pace();
    if (failure) Report(failure);
}

void SpeedTestPane::Refresh() {
    const RECT now = TextRect(motion_.Text());
    if (!::IsRectEmpty(&shown_)) Invalidate(&shown_);
    if (!::IsRectEmpty(&now)) Invalidate(&now);
    shown_ = now;
}

RECT SpeedTestPane::TextRect(const qope::PaneText& text) {
    if (text.text.empty()) return RECT{};
    if (text.text != measured_) {
        measured_.assign(text.text);
        const std::wstring wide = win::Widen(measured_);
        win::WindowDC dc(Handle());
        const win::SelectScope select(dc.Get(), font_.Get());
        extent_ = SIZE{};
        ::GetTextExtentPoint32W(dc.Get(), wide.c_str(), int(wide.size()), &extent_);
    }
    return RECT{text.x - kGlyphMargin, text.y - kGlyphMargin, text.x + extent_.cx + kGlyphMargin,
                text.y + extent_.cy + kGlyphMargin};
}

void SpeedTestPane::Draw(HDC dc, const RECT& area) {
    ++paints_;
    if (picture_) {
        const win::ScopedMemoryDC memory(::CreateCompatibleDC(dc));
        const win::SelectScope select(memory.Get(), picture_.Get());
        ::BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory.Get(), area.left,
                 area.top, SRCCOPY);
    }
    const qope::PaneText text = motion_.Text();
    if (!text.text.empty()) {
        const std::wstring wide = win::Widen(text.text);
        const win::SelectScope select(dc, font_.Get());
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, RGB(text.colour.r, text.colour.g, text.colour.b));
        ::TextOutW(dc, text.x, text.y, wide.c_str(), int(wide.size()));
    }
    // The test starts with the pane's first paint, as the window shows.
    if (!started_) {
        started_ = true;
        Pace();
    }
}

void SpeedTestPane::Report(const qope::PaneFailure& failure) const {
    const std::string path = qope::InstallPath("selectfiles", failure.file);
    HWND owner = ::GetParent(Handle());
    if (failure.kind == qope::PaneFailure::CannotOpen) qope::ReportFileError(owner, path);
    else qope::ReportDamagedFile(owner, path);
}
