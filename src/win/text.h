// GBK (code page 936) inside the program, UTF-16 at the Win32 boundary.
//
// The conversions name the code page explicitly instead of CP_ACP, so the program reads
// right on a Windows whose ANSI code page is not 936. Narrow string literals are compiled
// to GBK (see CMakeLists.txt), so "中文" in the source already is GBK bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace win {

inline constexpr unsigned kGbkCodePage = 936;

std::wstring Widen(std::string_view gbk);
std::string Narrow(std::wstring_view wide);

// One character of a UTF-16 text: where it starts, how many units it takes (2 for a
// surrogate pair), and its GBK bytes, empty when GBK cannot hold it.
struct GbkChar {
    int at;
    int units;
    std::string gbk;
};
std::vector<GbkChar> GbkChars(std::wstring_view wide);

}  // namespace win
