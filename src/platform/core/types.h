// The desktop's basic vocabulary: handles, message parameters, rectangles and colours.
// Handles are 32-bit integers, 0 meaning none, as hosts pass them through automation.
#pragma once

#include <paginor/base.h>

#include <cstdint>

namespace paginor::platform {

using HANDLE32 = uint32_t;
using HWND = HANDLE32;
using HDC = HANDLE32;
using HGDIOBJ = HANDLE32;
using HBITMAP = HGDIOBJ;
using HFONT = HGDIOBJ;
using HBRUSH = HGDIOBJ;
using HPEN = HGDIOBJ;
using HMODULE = HANDLE32;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using LONG_PTR = intptr_t;
using COLORREF = uint32_t; // 0x00BBGGRR

constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

struct POINT {
    int32_t x{0};
    int32_t y{0};
    friend bool operator==(const POINT&, const POINT&) = default;
};

struct SIZE {
    int32_t cx{0};
    int32_t cy{0};
    friend bool operator==(const SIZE&, const SIZE&) = default;
};

// Right and bottom are exclusive, as on the desktop.
struct RECT {
    int32_t left{0};
    int32_t top{0};
    int32_t right{0};
    int32_t bottom{0};
    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    friend bool operator==(const RECT&, const RECT&) = default;
};

constexpr COLORREF RGB(uint8_t r, uint8_t g, uint8_t b) {
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr uint8_t GetRValue(COLORREF c) {
    return uint8_t(c & 0xFF);
}
constexpr uint8_t GetGValue(COLORREF c) {
    return uint8_t((c >> 8) & 0xFF);
}
constexpr uint8_t GetBValue(COLORREF c) {
    return uint8_t((c >> 16) & 0xFF);
}

constexpr WORD LOWORD(uintptr_t v) {
    return WORD(v & 0xFFFF);
}
constexpr WORD HIWORD(uintptr_t v) {
    return WORD((v >> 16) & 0xFFFF);
}
constexpr LPARAM MAKELPARAM(int lo, int hi) {
    return LPARAM(int32_t((uint32_t(uint16_t(lo))) | (uint32_t(uint16_t(hi)) << 16)));
}
// Signed coordinates packed in an lParam, as pointer messages carry them.
constexpr int GET_X_LPARAM(LPARAM l) {
    return int16_t(l & 0xFFFF);
}
constexpr int GET_Y_LPARAM(LPARAM l) {
    return int16_t((l >> 16) & 0xFFFF);
}

} // namespace paginor::platform
