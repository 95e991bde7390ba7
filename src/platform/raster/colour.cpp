#include "platform/raster/colour.h"

#include <array>

namespace paginor::platform {

namespace {

// The standard scheme of the desktop's classic look.
constexpr std::array<COLORREF, kSysColorCount> kStandardScheme{
    RGB(212, 208, 200), // scroll bar
    RGB(58, 110, 165),  // desktop background
    RGB(10, 36, 106),   // active caption
    RGB(128, 128, 128), // inactive caption
    RGB(212, 208, 200), // menu
    RGB(255, 255, 255), // window
    RGB(0, 0, 0),       // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(255, 255, 255), // caption text
    RGB(212, 208, 200), // active border
    RGB(212, 208, 200), // inactive border
    RGB(128, 128, 128), // application workspace
    RGB(10, 36, 106),   // highlight
    RGB(255, 255, 255), // highlight text
    RGB(212, 208, 200), // button face
    RGB(128, 128, 128), // button shadow
    RGB(128, 128, 128), // grey text
    RGB(0, 0, 0),       // button text
    RGB(212, 208, 200), // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(64, 64, 64),    // 3-D dark shadow
    RGB(212, 208, 200), // 3-D light
    RGB(0, 0, 0),       // info text
    RGB(255, 255, 225), // info background
    RGB(181, 181, 181), // (unused slot)
    RGB(0, 0, 128),     // hot-tracked item
    RGB(166, 202, 240), // gradient active caption
    RGB(192, 192, 192), // gradient inactive caption
    RGB(49, 106, 197),  // menu highlight
    RGB(236, 233, 216), // menu bar
};

// The standard 16-colour palette, for palette-index colours without a palette.
constexpr std::array<COLORREF, 16> kDefaultPalette{
    RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)};

std::array<COLORREF, kSysColorCount>& scheme() {
    static std::array<COLORREF, kSysColorCount> current = kStandardScheme;
    return current;
}

} // namespace

COLORREF GetSysColor(int index) {
    return index >= 0 && index < kSysColorCount ? scheme()[size_t(index)] : 0;
}

void set_sys_color(int index, COLORREF colour) {
    if (index >= 0 && index < kSysColorCount)
        scheme()[size_t(index)] = colour & 0xFFFFFF;
}

void reset_sys_colors() {
    scheme() = kStandardScheme;
}

HRESULT OleTranslateColor(OLE_COLOR colour, HANDLE32 /*palette*/, COLORREF* out) {
    if (!out)
        return E_POINTER;
    switch (colour >> 24) {
    case 0x00:
        *out = colour;
        return S_OK;
    case 0x01:
        if ((colour & 0xFFFFFF) >= kDefaultPalette.size())
            return E_INVALIDARG;
        *out = kDefaultPalette[colour & 0xFFFFFF];
        return S_OK;
    case 0x02:
        *out = colour & 0xFFFFFF;
        return S_OK;
    case 0x80:
        if ((colour & 0x00FFFF00) != 0 || (colour & 0xFF) >= uint32_t(kSysColorCount))
            return E_INVALIDARG;
        *out = GetSysColor(int(colour & 0xFF));
        return S_OK;
    default:
        return E_INVALIDARG;
    }
}

} // namespace paginor::platform
