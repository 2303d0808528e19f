// Benchmarks of the two speed tests at their fastest level (a 1 ms period), printed for the
// notes, never judged: the steps a second the pane's timer really makes, the share of one
// core that qope.exe and the wineserver take meanwhile, and one step with its paint and a
// repaint of the whole pane, both timed inside the program.
//
// Wine answers GetProcessTimes of another process with zeros: the times come from /proc,
// which Wine shows as Z:\proc, for the Wine processes of this prefix.
#include "app/PracticeDlgRes.h"
#include "chinese/ChineseSpeedTestDlgRes.h"
#include "common/speed_test_diagnostics.h"
#include "driver/qope_driver.h"
#include "english/EnglishSpeedTestDlgRes.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr auto kMeasured = 30s;

// A file of /proc, whole (its size reads as 0, so it is read to its end).
std::string ProcFile(const std::wstring& path) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    ::CloseHandle(file);
    return bytes;
}

// The Unix process of this prefix whose command line holds `name`; 0 when none does.
int UnixProcess(const std::string& name) {
    char prefix[1024] = {};
    if (!::GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix)) return 0;
    const std::string mark = std::string("WINEPREFIX=") + prefix + '\0';
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW(L"Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    int pid = 0;
    do {
        const std::wstring entry = found.cFileName;
        if (entry.empty() || entry.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
        const std::wstring dir = L"Z:\\proc\\" + entry + L"\\";
        if (ProcFile(dir + L"cmdline").find(name) == std::string::npos) continue;
        if (ProcFile(dir + L"environ").find(mark) == std::string::npos) continue;
        pid = std::stoi(entry);
    } while (!pid && ::FindNextFileW(search, &found));
    ::FindClose(search);
    return pid;
}

// User and system time of a Unix process so far, in seconds (clock ticks of 1/100 s).
double CpuSeconds(int pid) {
    if (!pid) return -1;
    const std::string stat = ProcFile(L"Z:\\proc\\" + std::to_wstring(pid) + L"\\stat");
    const size_t end = stat.rfind(')');
    if (end == std::string::npos) return -1;
    std::istringstream fields(stat.substr(end + 2));
    std::string field;
    long long ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i)
        if (i >= 14) ticks += std::stoll(field);  // utime, stime
    return double(ticks) / 100.0;
}

void Print(const char* what, std::vector<double> values, const char* unit) {
    std::sort(values.begin(), values.end());
    std::printf("%s: median %.0f %s, 90th %.0f %s, worst %.0f %s (%zu)\n", what, values[values.size() / 2], unit,
                values[values.size() * 9 / 10], unit, values.back(), unit, values.size());
}

struct Watched {
    const char* name;
    int pid;
};

void Measure(e2e::Qope& qope, const std::vector<Watched>& processes, int button, int fastest, const char* name) {
    const e2e::Window w = qope.OpenToolWindow(button);
    w.Command(fastest);
    e2e::WaitUntil([&] { return w.Diagnostics(qope::kSpeedPeriod) == 1; });
    std::this_thread::sleep_for(1s);

    const long steps = w.Diagnostics(qope::kSpeedSteps);
    std::vector<double> cpu;
    for (const Watched& process : processes) cpu.push_back(CpuSeconds(process.pid));
    const auto start = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(kMeasured);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long stepped = w.Diagnostics(qope::kSpeedSteps) - steps;

    std::printf("== %s, period 1 ms\n", name);
    std::printf("steps: %.1f a second over %.0f s (one every %.2f ms)\n", stepped / seconds, seconds,
                1000.0 * seconds / double(std::max(stepped, 1L)));
    for (size_t i = 0; i < processes.size(); ++i) {
        const double used = CpuSeconds(processes[i].pid) - cpu[i];
        if (cpu[i] < 0) std::printf("CPU of %s: not found in /proc\n", processes[i].name);
        else std::printf("CPU of %s: %.1f %% of one core (%.2f s in %.0f s)\n", processes[i].name,
                         100.0 * used / seconds, used, seconds);
    }

    w.Diagnostics(qope::kSpeedHold);
    std::vector<double> stepPaints, panePaints;
    for (int i = 0; i < 300; ++i) stepPaints.push_back(double(w.Diagnostics(qope::kSpeedStep)));
    for (int i = 0; i < 100; ++i) panePaints.push_back(double(w.Diagnostics(qope::kSpeedTimePaint)));
    Print("one step with its paint", stepPaints, "us");
    Print("the whole pane repainted", panePaints, "us");
    w.Command(button == IDC_ENGLISHTESTBUTTON ? IDC_ES_RETURN : IDC_CS_RETURN);
    e2e::WaitUntil([&] { return !::IsWindow(w.Handle()); });
    qope.Settle();
}

}  // namespace

int wmain() {
    auto qope = e2e::Qope::Start();
    if (!qope) return 1;
    const std::vector<Watched> processes = {{"qope.exe", UnixProcess("qope.exe")},
                                            {"the wineserver", UnixProcess("wineserver")}};
    {
        // For comparison: the main window alone, with its 100 ms clock.
        std::vector<double> cpu;
        for (const Watched& process : processes) cpu.push_back(CpuSeconds(process.pid));
        std::this_thread::sleep_for(10s);
        std::printf("== main window idle, 10 s\n");
        for (size_t i = 0; i < processes.size(); ++i)
            std::printf("CPU of %s: %.1f %% of one core\n", processes[i].name,
                        10.0 * (CpuSeconds(processes[i].pid) - cpu[i]));
    }
    Measure(*qope, processes, IDC_ENGLISHTESTBUTTON, IDC_ES_LEVEL5, "English speed test, level 5");
    Measure(*qope, processes, IDC_CHINESETESTBUTTON, IDC_CS_LEVEL6, "Chinese speed test, level 6, first-level short codes");
    qope->PostCommand(ID_EXIT_SYSTEM);
    qope->WaitForExit();
    return 0;
}
