// Start-up benchmark under the same Wine for both programs: the time from process start
// until the main window is shown and the program idles, the working set once idle, and
// the size of the program file. Figures are printed, not judged.
//
//   startup_bench.exe <qope.exe> <minimal_dialog.exe> [runs]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Sample {
    double milliseconds = 0;
    SIZE_T workingSet = 0;
};

struct FindData {
    DWORD pid;
    HWND found = nullptr;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM lp) {
    auto* data = reinterpret_cast<FindData*>(lp);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid == data->pid && ::IsWindowVisible(hwnd)) {
        data->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

bool Measure(const std::wstring& exe, Sample& sample) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + exe + L"\"";
    const auto begin = std::chrono::steady_clock::now();
    if (!::CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return false;
    FindData data{process.dwProcessId};
    bool shown = false;
    for (int i = 0; i < 4000 && !shown; ++i) {
        ::EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&data));
        if (data.found) {
            // Idle: the window answers a sent message, so its start-up handlers are done.
            DWORD_PTR result = 0;
            shown = ::SendMessageTimeoutW(data.found, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result) != 0;
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    sample.milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (::GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory)) sample.workingSet = memory.WorkingSetSize;
    if (data.found) ::PostMessageW(data.found, WM_COMMAND, IDOK, 0);
    if (::WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return shown;
}

void Report(const wchar_t* name, const std::wstring& exe, int runs) {
    std::vector<Sample> samples;
    for (int i = 0; i < runs; ++i) {
        Sample sample;
        if (Measure(exe, sample)) samples.push_back(sample);
    }
    if (samples.empty()) {
        std::printf("%-16ls did not start\n", name);
        return;
    }
    std::sort(samples.begin(), samples.end(), [](auto& a, auto& b) { return a.milliseconds < b.milliseconds; });
    WIN32_FILE_ATTRIBUTE_DATA file{};
    ::GetFileAttributesExW(exe.c_str(), GetFileExInfoStandard, &file);
    std::printf("%-16ls start to idle: median %7.1f ms, best %7.1f ms, worst %7.1f ms (%zu runs); "
                "working set %6.1f MB; file %7.1f KB\n",
                name, samples[samples.size() / 2].milliseconds, samples.front().milliseconds,
                samples.back().milliseconds, samples.size(), double(samples[samples.size() / 2].workingSet) / 1048576.0,
                file.nFileSizeLow / 1024.0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench <qope.exe> <minimal_dialog.exe> [runs]\n");
        return 2;
    }
    const int runs = argc > 3 ? _wtoi(argv[3]) : 10;
    // Alternate so that both see the same warm Wine.
    Report(L"minimal dialog", argv[2], 1);
    Report(L"qope", argv[1], 1);
    Report(L"minimal dialog", argv[2], runs);
    Report(L"qope", argv[1], runs);
    return 0;
}
