#include "win/text.h"

#include <windows.h>

namespace win {

std::wstring Widen(std::string_view gbk) {
    if (gbk.empty()) return {};
    const int n = ::MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), out.data(), n);
    return out;
}

std::string Narrow(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int n = ::WideCharToMultiByte(kGbkCodePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                        nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(kGbkCodePage, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr,
                          nullptr);
    return out;
}

std::vector<GbkChar> GbkChars(std::wstring_view wide) {
    std::vector<GbkChar> chars;
    chars.reserve(wide.size());
    for (size_t i = 0; i < wide.size();) {
        const bool pair = i + 1 < wide.size() && IS_HIGH_SURROGATE(wide[i]) && IS_LOW_SURROGATE(wide[i + 1]);
        const int units = pair ? 2 : 1;
        GbkChar c{static_cast<int>(i), units, {}};
        char bytes[8] = {};
        BOOL lost = FALSE;
        const int n = ::WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data() + i, units, bytes,
                                            sizeof bytes, nullptr, &lost);
        if (n > 0 && !lost) c.gbk.assign(bytes, static_cast<size_t>(n));
        chars.push_back(std::move(c));
        i += static_cast<size_t>(units);
    }
    return chars;
}

}  // namespace win
