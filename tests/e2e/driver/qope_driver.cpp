#include "driver/qope_driver.h"

#include "app/PracticeDlgRes.h"
#include "app/practice_diagnostics.h"
#include "drill/code_table.h"
#include "roots/root_catalogue.h"
#include "win/diagnostics.h"
#include "win/scoped.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

namespace e2e {

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(15ms);
    }
}

COLORREF Capture::At(int x, int y) const {
    const uint32_t p = pixels_[size_t(y) * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Capture::Count(const RECT& area, COLORREF colour) const {
    int n = 0;
    for (int y = std::max<LONG>(area.top, 0); y < std::min<LONG>(area.bottom, height_); ++y)
        for (int x = std::max<LONG>(area.left, 0); x < std::min<LONG>(area.right, width_); ++x)
            if (At(x, y) == colour) ++n;
    return n;
}

int Capture::CountNear(const RECT& area, COLORREF colour, int tolerance) const {
    auto within = [&](int a, int b) { return std::abs(a - b) <= tolerance; };
    int n = 0;
    for (int y = std::max<LONG>(area.top, 0); y < std::min<LONG>(area.bottom, height_); ++y)
        for (int x = std::max<LONG>(area.left, 0); x < std::min<LONG>(area.right, width_); ++x) {
            const COLORREF c = At(x, y);
            if (within(GetRValue(c), GetRValue(colour)) && within(GetGValue(c), GetGValue(colour)) &&
                within(GetBValue(c), GetBValue(colour)))
                ++n;
        }
    return n;
}

RECT Capture::Bounds(const RECT& area, COLORREF colour) const {
    RECT box{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    for (int y = std::max<LONG>(area.top, 0); y < std::min<LONG>(area.bottom, height_); ++y)
        for (int x = std::max<LONG>(area.left, 0); x < std::min<LONG>(area.right, width_); ++x)
            if (At(x, y) == colour) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    if (box.left == LONG_MAX) return RECT{0, 0, 0, 0};
    return box;
}

bool Capture::SaveBmp(const std::wstring& path) const {
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width_;
    info.biHeight = -height_;
    info.biPlanes = 1;
    info.biBitCount = 32;
    const DWORD bytes = DWORD(pixels_.size() * 4);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + bytes;
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out) return false;
    fwrite(&file, sizeof file, 1, out);
    fwrite(&info, sizeof info, 1, out);
    fwrite(pixels_.data(), 1, bytes, out);
    fclose(out);
    return true;
}

std::wstring PathFromEnv(const wchar_t* name) {
    wchar_t buffer[MAX_PATH] = {};
    ::GetEnvironmentVariableW(name, buffer, MAX_PATH);
    std::wstring path = buffer;
    if (!path.empty() && path[0] == L'/') {
        for (auto& ch : path)
            if (ch == L'/') ch = L'\\';
        path = L"Z:" + path;
    }
    return path;
}

std::wstring ExePath() { return PathFromEnv(L"QOPE_EXE"); }

namespace {

struct FindData {
    DWORD pid;
    std::wstring caption;
    HWND exclude;
    HWND found = nullptr;
    int count = 0;
    bool all = false;  // count every match instead of stopping at the first
};

BOOL CALLBACK FindProcessDialog(HWND hwnd, LPARAM lp) {
    auto* data = reinterpret_cast<FindData*>(lp);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid != data->pid || hwnd == data->exclude || !::IsWindowVisible(hwnd)) return TRUE;
    wchar_t cls[32] = {};
    ::GetClassNameW(hwnd, cls, 32);
    if (std::wstring(cls) != L"#32770") return TRUE;
    if (!data->caption.empty()) {
        wchar_t text[256] = {};
        ::GetWindowTextW(hwnd, text, 256);
        if (data->caption != text) return TRUE;
    }
    data->found = hwnd;
    ++data->count;
    return data->all ? TRUE : FALSE;
}

void SendKey(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = WORD(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof input);
}

}  // namespace

HANDLE TestJob() {
    static HANDLE job = [] {
        HANDLE created = ::CreateJobObjectW(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        ::SetInformationJobObject(created, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        return created;
    }();
    return job;
}

std::unique_ptr<Qope> Qope::Start() {
    std::unique_ptr<Qope> qope(new Qope);
    qope->exePath_ = ExePath();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + qope->exePath_ + L"\"";
    if (!::CreateProcessW(qope->exePath_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &qope->process_)) {
        std::fprintf(stderr, "driver: cannot start %ls (error %lu)\n", qope->exePath_.c_str(), ::GetLastError());
        return nullptr;
    }
    qope->pid_ = qope->process_.dwProcessId;
    ::AssignProcessToJobObject(TestJob(), qope->process_.hProcess);
    Qope* q = qope.get();
    if (!WaitUntil([q] { return (q->main_ = q->FindDialog(L" Qope ")) != nullptr; }, 30s)) {
        std::fprintf(stderr, "driver: %ls showed no main window within 30 s\n", qope->exePath_.c_str());
        return nullptr;
    }
    q->BringToFront();
    q->Settle();
    return qope;
}

Qope::~Qope() {
    if (process_.hProcess) {
        if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(process_.hProcess, 1);
            ::WaitForSingleObject(process_.hProcess, 5000);
        }
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }
}

std::wstring TextOf(HWND window) {
    wchar_t buffer[4096] = {};
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000,
                          &result);
    return buffer;
}

std::wstring Qope::Text(HWND window) const { return TextOf(window); }

long DiagnosticsOf(HWND window, unsigned query) {
    static const UINT message = ::RegisterWindowMessageW(win::kDiagnosticsMessage);
    return long(::SendMessageW(window, message, query, 0));
}

void Window::Command(int id) const {
    ::SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(id, 0), reinterpret_cast<LPARAM>(Item(id)));
}
void Window::PostCommand(int id) const {
    ::PostMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(id, 0), reinterpret_cast<LPARAM>(Item(id)));
}

HWND Qope::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = ::GetWindowThreadProcessId(main_, nullptr);
    if (!::GetGUIThreadInfo(thread, &info)) return nullptr;
    return info.hwndFocus;
}

// A button names itself in its click; a menu item sends no window.
void Qope::Command(int id) const { MainWindow().Command(id); }
void Qope::PostCommand(int id) const { MainWindow().PostCommand(id); }
void Qope::PostSysCommand(WPARAM command) const { ::PostMessageW(main_, WM_SYSCOMMAND, command, 0); }

long Qope::Diagnostics(unsigned query) const { return DiagnosticsOf(main_, query); }

void Qope::BringToFront() const {
    ::SetForegroundWindow(main_);
    Settle();
}

void Qope::Type(const std::wstring& text) const {
    for (wchar_t ch : text) TypeKeys(std::wstring(1, ch));
}

void Qope::TypeKeys(const std::wstring& text) const {
    for (wchar_t ch : text) {
        const SHORT scan = ::VkKeyScanW(ch);
        const WORD vk = LOBYTE(scan);
        const bool shift = (HIBYTE(scan) & 1) != 0;
        if (shift) SendKey(VK_SHIFT, false);
        SendKey(vk, false);
        SendKey(vk, true);
        if (shift) SendKey(VK_SHIFT, true);
    }
    Settle();
}

void Qope::Key(WORD virtualKey) const {
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
    Settle();
}

void Qope::PointAt(HWND window) const {
    // Input goes to whatever is under the pointer: make the window's dialog the top one,
    // move there, and come back only once the system sees the pointer over the window.
    ::SetForegroundWindow(::GetAncestor(window, GA_ROOT));
    Settle();
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const POINT at{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    const int sw = ::GetSystemMetrics(SM_CXSCREEN), sh = ::GetSystemMetrics(SM_CYSCREEN);
    // Away first, then onto the target: a pointer already resting there (over the same
    // spot of a window that has since closed) would send no motion for the new window.
    INPUT move[2] = {};
    for (auto& m : move) {
        m.type = INPUT_MOUSE;
        m.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    move[1].mi.dx = at.x * 65535 / (sw - 1);
    move[1].mi.dy = at.y * 65535 / (sh - 1);
    ::SendInput(1, &move[0], sizeof move[0]);
    Settle();
    ::SendInput(1, &move[1], sizeof move[1]);
    WaitUntil([&] {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        return cursor.x == at.x && cursor.y == at.y && ::WindowFromPoint(at) == window;
    }, 2s);
    Settle();
}

void Qope::Click(HWND window) const {
    PointAt(window);
    INPUT press[2] = {};
    for (auto& i : press) i.type = INPUT_MOUSE;
    press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, press, sizeof press[0]);
    Settle();
}

bool Qope::ShowsHandCursor() const {
    // Cursor handles are the system's, the same in every process; the image behind one is
    // not readable from another process under Wine, so the program names its own.
    CURSORINFO shown{sizeof shown};
    return ::GetCursorInfo(&shown) && shown.hCursor &&
           static_cast<long>(reinterpret_cast<std::intptr_t>(shown.hCursor)) ==
               Diagnostics(qope::kHandCursor);
}

void Qope::Settle() const {
    // A sent message is answered only once the program looks at its queue again; two
    // rounds with a pause let the input posted before it be handled too.
    for (int i = 0; i < 3; ++i) {
        DWORD_PTR result = 0;
        ::SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result);
        std::this_thread::sleep_for(20ms);
    }
}

HWND Qope::FindDialog(const std::wstring& caption) const {
    FindData data{pid_, caption, caption.empty() ? main_ : nullptr};
    ::EnumWindows(FindProcessDialog, reinterpret_cast<LPARAM>(&data));
    return data.found;
}

Window Qope::OpenToolWindow(int command) const {
    PostCommand(command);
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindDialog()) != nullptr && ::IsWindowEnabled(window); });
    Settle();
    return Window(window);
}

int Qope::CountDialogs(const std::wstring& caption) const {
    FindData data{pid_, caption, caption.empty() ? main_ : nullptr};
    data.all = true;
    ::EnumWindows(FindProcessDialog, reinterpret_cast<LPARAM>(&data));
    return data.count;
}

bool Qope::Running() const { return ::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

HWND Qope::WaitForDialog(const std::wstring& caption, std::chrono::milliseconds timeout) const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindDialog(caption)) != nullptr; }, timeout);
    return found;
}

std::wstring Qope::MessageText(HWND box) {
    wchar_t text[1024] = {};
    ::GetDlgItemTextW(box, 0xFFFF, text, 1024);
    return text;
}

std::wstring Qope::AnswerMessageBox() const {
    HWND box = WaitForDialog(L"Qope");
    if (!box) return L"(no message box)";
    const std::wstring text = MessageText(box);
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    WaitUntil([&] { return !::IsWindow(box); });
    Settle();
    return text;
}

bool Qope::WaitForExit(std::chrono::milliseconds timeout) const {
    return ::WaitForSingleObject(process_.hProcess, DWORD(timeout.count())) == WAIT_OBJECT_0;
}

namespace {
Capture CaptureScreen(POINT origin, RECT client);
Capture Stable(const std::function<Capture()>& take);
}

namespace {
// Wine draws into a window's surface and hands it to the X server a little later, so a
// capture is taken again until two in a row agree.
Capture Stable(const std::function<Capture()>& take) {
    std::this_thread::sleep_for(30ms);
    Capture last = take();
    for (int i = 0; i < 20; ++i) {
        std::this_thread::sleep_for(30ms);
        Capture next = take();
        if (next.Width() == last.Width() && next.Height() == last.Height() &&
            memcmp(next.Data(), last.Data(), size_t(next.Width()) * next.Height() * 4) == 0)
            return next;
        last = std::move(next);
    }
    return last;
}
}  // namespace

Capture CaptureClientOf(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    return Stable([&] { return CaptureScreen(origin, client); });
}

Capture CaptureWindowOf(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return Stable([&] { return CaptureScreen(POINT{rect.left, rect.top}, RECT{0, 0, rect.right - rect.left, rect.bottom - rect.top}); });
}

Capture Qope::CaptureClient(HWND window) const { return CaptureClientOf(window); }
Capture Qope::CaptureWindow(HWND window) const { return CaptureWindowOf(window); }

namespace {
// The screen pixels of `client` (a size) at `origin`.
Capture CaptureScreen(POINT origin, RECT client) {
    Capture capture(client.right, client.bottom);
    win::WindowDC screen(nullptr);
    win::ScopedMemoryDC memory(::CreateCompatibleDC(screen.Get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    win::ScopedBitmap dib(::CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    {
        win::SelectScope select(memory.Get(), dib.Get());
        ::BitBlt(memory.Get(), 0, 0, client.right, client.bottom, screen.Get(), origin.x, origin.y, SRCCOPY);
        ::GdiFlush();
        memcpy(capture.Data(), bits, size_t(client.right) * client.bottom * 4);
    }
    for (int i = 0; i < capture.Width() * capture.Height(); ++i) capture.Data()[i] &= 0x00FFFFFF;
    return capture;
}
}  // namespace

Capture Qope::ResourceBitmap(int id) const {
    struct Module {
        HMODULE handle;
        ~Module() { if (handle) ::FreeLibrary(handle); }
    } module{::LoadLibraryExW(exePath_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)};
    win::ScopedBitmap bitmap(static_cast<HBITMAP>(
        ::LoadImageW(module.handle, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    ::GetObjectW(bitmap.Get(), sizeof info, &info);
    Capture capture(info.bmWidth, info.bmHeight);
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof request.bmiHeader;
    request.bmiHeader.biWidth = info.bmWidth;
    request.bmiHeader.biHeight = -info.bmHeight;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    win::WindowDC screen(nullptr);
    ::GetDIBits(screen.Get(), bitmap.Get(), 0, UINT(info.bmHeight), capture.Data(), &request, DIB_RGB_COLORS);
    for (int i = 0; i < capture.Width() * capture.Height(); ++i) capture.Data()[i] &= 0x00FFFFFF;
    return capture;
}

const std::vector<Capture>& Qope::RootPictures(int edition) const {
    auto& pictures = edition == 86 ? roots86_ : roots98_;
    if (pictures.empty())
        for (int i = 0; i < qope::RootCount(edition); ++i)
            pictures.push_back(ResourceBitmap(qope::RootPictureId(edition, i)));
    return pictures;
}

bool Qope::CellShowsRoot(const Capture& shot, int x, int y, int edition, int index) const {
    const auto& pictures = RootPictures(edition);
    if (index < 0 || index >= int(pictures.size())) return false;
    const Capture& picture = pictures[size_t(index)];
    if (picture.Width() < 21 || picture.Height() < 20 || x + 21 > shot.Width() || y + 20 > shot.Height()) return false;
    for (int dy = 0; dy < 20; ++dy)
        for (int dx = 0; dx < 21; ++dx)
            if (shot.At(x + dx, y + dy) != picture.At(dx, dy)) return false;
    return true;
}

std::vector<int> Qope::RootRow(int y, int edition) const {
    const Capture shot = CaptureClient(main_);
    std::vector<int> row;
    for (int i = 0; i < qope::kRootBatch; ++i) {
        int found = -1;
        for (int index = 0; index < qope::RootCount(edition) && found < 0; ++index)
            if (CellShowsRoot(shot, 157 + 21 * i, y, edition, index)) found = index;
        row.push_back(found);
    }
    return row;
}

std::string Qope::RootKeys(const std::vector<int>& row, int edition) {
    std::string keys;
    for (int index : row) keys += index >= 0 ? qope::RootKey(edition, index) : '?';
    return keys;
}

namespace {

std::string ToGbk(const std::wstring& text) {
    if (text.empty()) return {};
    const int n = ::WideCharToMultiByte(936, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(n), '\0');
    ::WideCharToMultiByte(936, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::string ReadInstalled(const char* file) {
    std::ifstream in(std::string("C:\\Program Files\\zel\\qope\\selectfiles\\") + file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

std::string GbkOf(HWND window) { return ToGbk(TextOf(window)); }
std::string Qope::Gbk(int id) const { return GbkOf(Item(id)); }

std::string Qope::ShownSetCodes(int kind, int edition) const {
    const qope::CodeTableFile* table = qope::FindCodeTable(kind, edition);
    if (!table) return {};
    const std::string shown = Gbk(IDC_COMPARE_TEXT);
    const bool paired = table->layout == qope::TableLayout::Paired;
    const std::string items = ReadInstalled(table->itemFile);
    const std::string codes = paired ? ReadInstalled(table->codeFile) : items;
    const int itemLength = qope::ItemRecordLength(*table), codeLength = qope::CodeRecordLength(*table);
    const int itemOffset = paired ? 0 : table->codeWidth;
    const int records = int(items.size()) / itemLength;
    for (int start = 0; start + qope::kSetRecords <= records; ++start) {
        bool same = true;
        for (int k = 0; k < qope::kSetRecords && same; ++k)
            same = items.compare(size_t(start + k) * itemLength + itemOffset, size_t(table->itemWidth), shown,
                                 size_t(k) * table->itemWidth, size_t(table->itemWidth)) == 0;
        if (!same) continue;
        std::string set;
        for (int k = 0; k < qope::kSetRecords; ++k)
            set += codes.substr(size_t(start + k) * codeLength, size_t(table->codeWidth));
        return set;
    }
    return {};
}

}  // namespace e2e
