// Where the program's data lies. The install folder is fixed: nothing is configured.
#pragma once

#include <string>

namespace qope {

// GBK; every data path is a complete absolute path under it.
inline constexpr const char* kInstallRoot = "C:\\Program Files\\zel\\qope\\";

inline std::string InstallPath(const char* folder, const std::string& file) {
    return std::string(kInstallRoot) + folder + "\\" + file;
}

// The help file, as the help viewer takes it (a narrow path; this one is ASCII, so it
// reads the same under any code page).
inline constexpr const char* kHelpFile = "C:\\Program Files\\zel\\qope\\qope.chm";
// Its title (the Title of data/help/qope.hhp), the caption of the help window.
inline constexpr const char* kHelpCaption = "Qope 五笔字型练习 帮助";

// The sound effects, named without extension: PlaySound takes the name as it stands, and
// the files in wavefiles are named so. "Buttons" and "buttons" are one file on a
// case-insensitive file system; the callers use the form each always used.
inline constexpr const wchar_t* kSoundCodeClick = L"C:\\Program Files\\zel\\qope\\wavefiles\\Buttons";
inline constexpr const wchar_t* kSoundKeyClick = L"C:\\Program Files\\zel\\qope\\wavefiles\\buttons";
inline constexpr const wchar_t* kSoundSorry = L"C:\\Program Files\\zel\\qope\\wavefiles\\sorry";
inline constexpr const wchar_t* kSoundWrongAnswer = L"C:\\Program Files\\zel\\qope\\wavefiles\\Mto_002";

}  // namespace qope
