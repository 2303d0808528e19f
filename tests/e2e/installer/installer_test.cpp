// The installer in a prefix of its own: a silent install puts the program, its help file
// and the data tree byte for byte into C:\Program Files\zel\qope, with Start-menu shortcuts
// and an entry in Add/Remove Programs; Qope starts from there; a silent uninstall leaves
// nothing behind.
#include "driver/qope_driver.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

const fs::path kInstall = L"C:\\Program Files\\zel\\qope";
const wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Qope";

fs::path FromEnv(const wchar_t* name) { return e2e::PathFromEnv(name); }

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

DWORD RunAndWait(const std::wstring& command) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring line = command;
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return DWORD(-1);
    ::WaitForSingleObject(process.hProcess, 120000);
    DWORD code = DWORD(-1);
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return code;
}

// A value of the program's Add/Remove Programs entry (the 64-bit view: a 64-bit program).
bool RegistryValue(const wchar_t* name, void* data, DWORD size) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
        return false;
    const bool found = ::RegQueryValueExW(key, name, nullptr, nullptr, static_cast<BYTE*>(data), &size) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return found;
}

std::wstring RegistryText(const wchar_t* name) {
    wchar_t text[512] = {};
    return RegistryValue(name, text, sizeof text - sizeof(wchar_t)) ? text : L"(none)";
}

fs::path StartMenu() {
    wchar_t path[MAX_PATH] = {};
    ::SHGetFolderPathW(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, 0, path);
    return fs::path(path) / L"Qope";
}

TEST(Installer, InstallsSilentlyRunsAndUninstallsWithoutTrace) {
    // The prefix came with the data tree the tests use: start from an empty folder.
    fs::remove_all(kInstall);
    ASSERT_FALSE(fs::exists(kInstall));
    const fs::path data = FromEnv(L"QOPE_DATA");
    const fs::path setup = FromEnv(L"QOPE_SETUP");
    ASSERT_TRUE(fs::exists(setup)) << setup;

    ASSERT_EQ(RunAndWait(L"\"" + setup.wstring() + L"\" /S"), 0u);
    EXPECT_EQ(Bytes(kInstall / L"qope.exe"), Bytes(FromEnv(L"QOPE_EXE")));
    EXPECT_EQ(Bytes(kInstall / L"qope.chm"), Bytes(FromEnv(L"QOPE_CHM")));
    int files = 0;
    for (const char* folder : {"selectfiles", "wavefiles", "Englishtype", "freeinput"})
        for (const auto& entry : fs::recursive_directory_iterator(data / folder)) {
            if (!entry.is_regular_file()) continue;
            const fs::path installed = kInstall / fs::relative(entry.path(), data);
            EXPECT_EQ(Bytes(installed), Bytes(entry.path())) << installed;
            ++files;
        }
    EXPECT_GT(files, 30);
    for (const wchar_t* link : {L"Qope.lnk", L"Qope 帮助.lnk", L"卸载 Qope.lnk"})
        EXPECT_TRUE(fs::exists(StartMenu() / link)) << link;
    EXPECT_EQ(RegistryText(L"DisplayName"), L"Qope 五笔字型打字练习");
    EXPECT_EQ(RegistryText(L"DisplayVersion"), L"4.0");
    EXPECT_EQ(RegistryText(L"Publisher"), L"Qope 开发组");
    EXPECT_EQ(RegistryText(L"DisplayIcon"), L"C:\\Program Files\\zel\\qope\\qope.exe,0");
    DWORD size = 0;
    RegistryValue(L"EstimatedSize", &size, sizeof size);
    EXPECT_GT(size, 1000u);  // kilobytes

    // Qope from where it was installed: its main window, and a drill reading the installed tables.
    ::SetEnvironmentVariableW(L"QOPE_EXE", (kInstall / L"qope.exe").c_str());
    {
        auto qope = e2e::Qope::Start();
        ASSERT_TRUE(qope);
        qope->Command(32781);  // 全部编码
        EXPECT_EQ(qope->ShownSetCodes(4, 86).size(), 112u);
        qope->PostCommand(32773);  // 退出系统
        EXPECT_TRUE(qope->WaitForExit());
    }

    ASSERT_EQ(RunAndWait(L"\"" + (kInstall / L"uninstall.exe").wstring() + L"\" /S"), 0u);
    // The uninstaller copies itself away and finishes from there; the folder goes last.
    e2e::WaitUntil([] { return !fs::exists(L"C:\\Program Files\\zel"); }, std::chrono::seconds(20));
    EXPECT_FALSE(fs::exists(kInstall));
    EXPECT_FALSE(fs::exists(L"C:\\Program Files\\zel"));
    EXPECT_FALSE(fs::exists(StartMenu()));
    EXPECT_EQ(RegistryText(L"DisplayName"), L"(none)");
}

}  // namespace
