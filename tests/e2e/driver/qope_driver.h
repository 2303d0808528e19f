// Drives a running qope.exe from another process, as a learner would: real keystrokes
// and clicks through SendInput, menu commands as the menu sends them, and reads back what
// the windows show (control texts, the focus, pixels of the screen).
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;

// Polls `condition` until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 5s);

// A screen capture of a window's client area.
class Capture {
public:
    Capture(int width, int height) : width_(width), height_(height), pixels_(size_t(width) * height) {}
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF At(int x, int y) const;
    uint32_t* Data() { return pixels_.data(); }
    // How many pixels of the rectangle have exactly this colour.
    int Count(const RECT& area, COLORREF colour) const;
    // The same, for colours within `tolerance` of it in every channel (smoothed text).
    int CountNear(const RECT& area, COLORREF colour, int tolerance) const;
    // The smallest rectangle holding every pixel of this colour inside `area`.
    RECT Bounds(const RECT& area, COLORREF colour) const;
    bool SaveBmp(const std::wstring& path) const;

private:
    int width_, height_;
    std::vector<uint32_t> pixels_;  // 0x00RRGGBB, top-down
};

// The text of a window or control, and as GBK, the program's own encoding.
std::wstring TextOf(HWND window);
std::string GbkOf(HWND window);
// A diagnostics query of a window of the program (win/diagnostics.h).
long DiagnosticsOf(HWND window, unsigned query);
// Screen captures of a window: its client area, or all of it with frame and caption.
Capture CaptureClientOf(HWND window);
Capture CaptureWindowOf(HWND window);

// A dialog of the program (the main window, a tool window, a message box) and its
// controls, read as the learner sees them.
class Window {
public:
    Window() = default;
    explicit Window(HWND hwnd) : hwnd_(hwnd) {}
    HWND Handle() const { return hwnd_; }
    explicit operator bool() const { return hwnd_ != nullptr && ::IsWindow(hwnd_); }

    HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }
    std::wstring Text(int id) const { return TextOf(Item(id)); }
    std::wstring Caption() const { return TextOf(hwnd_); }
    std::string Gbk(int id) const { return GbkOf(Item(id)); }
    long Diagnostics(unsigned query) const { return DiagnosticsOf(hwnd_, query); }
    // A command as its button or menu item sends it (the button names itself).
    void Command(int id) const;
    void PostCommand(int id) const;
    Capture CaptureClient() const { return CaptureClientOf(hwnd_); }
    Capture CaptureWindow() const { return CaptureWindowOf(hwnd_); }

private:
    HWND hwnd_ = nullptr;
};

class Qope {
public:
    // Starts the program (QOPE_EXE names it) and waits for its main window.
    static std::unique_ptr<Qope> Start();
    ~Qope();

    HWND Main() const { return main_; }
    Window MainWindow() const { return Window(main_); }
    // Another dialog of the program by its caption, once it shows.
    Window WaitForWindow(const std::wstring& caption, std::chrono::milliseconds timeout = 5s) const {
        return Window(WaitForDialog(caption, timeout));
    }
    HWND Item(int id) const { return ::GetDlgItem(main_, id); }
    DWORD ProcessId() const { return pid_; }

    std::wstring Text(HWND window) const;
    std::wstring Text(int id) const { return Text(Item(id)); }
    // The text of a control as GBK, the program's own encoding.
    std::string Gbk(int id) const;
    // The codes of the set the reference line shows, found in the installed code tables of
    // the drill `kind` in `edition`; empty when no set of those files matches.
    std::string ShownSetCodes(int kind, int edition) const;
    // The window that has the keyboard focus in the program.
    HWND Focus() const;

    // Menu commands and buttons, as the menu and the button send them.
    void Command(int id) const;
    void PostCommand(int id) const;
    void PostSysCommand(WPARAM command) const;
    long Diagnostics(unsigned query) const;

    // Real input into the foreground window of the program.
    void Type(const std::wstring& text) const;
    // The same keys in one go, then one wait: for typing whole answers quickly.
    void TypeKeys(const std::wstring& text) const;
    void Key(WORD virtualKey) const;
    // Moves the pointer onto the middle of the window, as a user would.
    void PointAt(HWND window) const;
    void Click(HWND window) const;
    // Whether the system shows the program's hand cursor now.
    bool ShowsHandCursor() const;
    void BringToFront() const;
    // Waits until the program has handled what was sent so far.
    void Settle() const;

    // Another top-level dialog of the program (a message box, a tool window).
    HWND FindDialog(const std::wstring& caption = {}) const;
    HWND WaitForDialog(const std::wstring& caption = {}, std::chrono::milliseconds timeout = 5s) const;
    // Sends a button's or menu item's command that opens a tool window and waits until the
    // window takes input; an empty Window when none came.
    Window OpenToolWindow(int command) const;
    // How many such dialogs are shown now.
    int CountDialogs(const std::wstring& caption = {}) const;
    bool Running() const;
    // The text of a message box (its static text).
    static std::wstring MessageText(HWND box);
    // Waits for the program's message box, reads it, answers OK and waits until it is
    // gone; "(no message box)" when none came.
    std::wstring AnswerMessageBox() const;

    bool WaitForExit(std::chrono::milliseconds timeout = 5s) const;
    Capture CaptureClient(HWND window) const;
    // The whole window, frame and caption included.
    Capture CaptureWindow(HWND window) const;

    // The program's bitmap resource `id`, read from its file, as 0x00RRGGBB top-down.
    Capture ResourceBitmap(int id) const;

    // The catalogue indices of the root pictures a row of the window shows (-1 for a cell
    // showing none), found by comparing each cell with the program's root pictures.
    std::vector<int> RootRow(int y, int edition) const;
    // The keys of those roots, '?' for an empty cell.
    static std::string RootKeys(const std::vector<int>& row, int edition);
    // Whether the 21 x 20 cell at (x, y) of `shot` shows the root picture of `index`.
    bool CellShowsRoot(const Capture& shot, int x, int y, int edition, int index) const;

private:
    Qope() = default;
    PROCESS_INFORMATION process_{};
    DWORD pid_ = 0;
    HWND main_ = nullptr;
    std::wstring exePath_;
    mutable std::vector<Capture> roots86_, roots98_;
    const std::vector<Capture>& RootPictures(int edition) const;
};

std::wstring ExePath();
// A path handed over in an environment variable, as Wine sees it: ctest hands over Unix
// paths, and Wine sees the Unix root as drive Z:.
std::wstring PathFromEnv(const wchar_t* name);
// The job every program the tests start is put in: it ends them when the test process
// ends, even by a crash, since a program left behind would hold the test's output open.
HANDLE TestJob();

// A data file of the install tree (a code table unless another folder is named) changed
// for one test and put back afterwards, or removed again if there was none.
class InstalledFileChange {
public:
    explicit InstalledFileChange(const std::wstring& name, const std::wstring& folder = L"selectfiles")
        : path_(L"C:\\Program Files\\zel\\qope\\" + folder + L"\\" + name), backup_(path_ + L".test-backup"),
          existed_(::CopyFileW(path_.c_str(), backup_.c_str(), FALSE) != FALSE) {}
    ~InstalledFileChange() {
        if (existed_) ::MoveFileExW(backup_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING);
        else ::DeleteFileW(path_.c_str());
    }
    InstalledFileChange(const InstalledFileChange&) = delete;
    InstalledFileChange& operator=(const InstalledFileChange&) = delete;
    void Truncate(LONG bytes) const {
        HANDLE file = ::CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ::SetFilePointer(file, bytes, nullptr, FILE_BEGIN);
        ::SetEndOfFile(file);
        ::CloseHandle(file);
    }
    void Write(const std::string& bytes) const {
        HANDLE file = ::CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        ::WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
        ::CloseHandle(file);
    }
    void Remove() const { ::DeleteFileW(path_.c_str()); }
    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_, backup_;
    bool existed_;
};

}  // namespace e2e
