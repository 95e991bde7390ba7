// System colours and the translation of OLE colours (plain 0x00BBGGRR values or
// system-colour references: high bit set, index in the low byte) to plain RGB.
#pragma once

#include "platform/core/types.h"

namespace paginor::platform {

constexpr int COLOR_SCROLLBAR = 0;
constexpr int COLOR_BACKGROUND = 1;
constexpr int COLOR_ACTIVECAPTION = 2;
constexpr int COLOR_INACTIVECAPTION = 3;
constexpr int COLOR_MENU = 4;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWFRAME = 6;
constexpr int COLOR_MENUTEXT = 7;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_CAPTIONTEXT = 9;
constexpr int COLOR_ACTIVEBORDER = 10;
constexpr int COLOR_INACTIVEBORDER = 11;
constexpr int COLOR_APPWORKSPACE = 12;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;
constexpr int COLOR_INFOTEXT = 23;
constexpr int COLOR_INFOBK = 24;
constexpr int COLOR_HOTLIGHT = 26;
constexpr int COLOR_GRADIENTACTIVECAPTION = 27;
constexpr int COLOR_GRADIENTINACTIVECAPTION = 28;
constexpr int COLOR_MENUHILIGHT = 29;
constexpr int COLOR_MENUBAR = 30;
constexpr int kSysColorCount = 31;

// The current value of a system colour; 0 for an index outside 0..30.
COLORREF GetSysColor(int index);

// Changes a system colour (tests, and hosts that mimic a colour scheme); indices outside
// 0..30 are ignored. reset_sys_colors restores the standard scheme.
void set_sys_color(int index, COLORREF colour);
void reset_sys_colors();

// Plain RGB of an OLE colour: a plain value comes back unchanged, a system-colour
// reference as that colour's current value, a palette-relative value (0x02 in the top
// byte) as its RGB part, a palette index (0x01) as the standard 16-colour palette entry.
// E_INVALIDARG (out untouched) for any other top byte, a system index beyond 30 or a
// reference with bits set between the index and the top byte; E_POINTER for a null out.
HRESULT OleTranslateColor(OLE_COLOR colour, HANDLE32 palette, COLORREF* out);

} // namespace paginor::platform
