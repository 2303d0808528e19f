// Lists of control ids, written once and read where they are needed: a radio group as the
// list of its buttons in order, and one list made of several (the hand cursor over all the
// radios of a window and its exit button).
#pragma once

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstddef>

namespace win {

// The 1-based place of `id` in `ids`; 0 when it is not there.
template <size_t N>
constexpr int PlaceIn(const int (&ids)[N], int id) {
    for (size_t i = 0; i < N; ++i)
        if (ids[i] == id) return int(i) + 1;
    return 0;
}

// The lists one after another: JoinIds(kLevelIds, kCategoryIds, {IDC_RETURN}).
template <size_t... N>
constexpr std::array<int, (N + ...)> JoinIds(const int (&... lists)[N]) {
    std::array<int, (N + ...)> joined{};
    size_t n = 0;
    ((std::copy(lists, lists + N, joined.begin() + n), n += N), ...);
    return joined;
}

// Checks the button at 1-based `place` of a radio group whose ids follow one another.
template <size_t N>
void CheckRadioAt(HWND dialog, const int (&ids)[N], int place) {
    ::CheckRadioButton(dialog, ids[0], ids[N - 1], ids[place - 1]);
}

}  // namespace win
