// Device contexts. A memory DC draws into the bitmap selected into it (a new one holds a
// 1x1 monochrome bitmap, as on the desktop); a window DC draws into a window's backing
// bitmap. Every DC starts with a white background, black text, OPAQUE mode, the white
// brush, the black pen and the system font.
#pragma once

#include "platform/core/types.h"

namespace paginor::platform {

// Background modes. NEWTRANSPARENT makes a SRCCOPY blit skip source pixels of the
// target's background colour on devices that report C1_TRANSPARENT.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr int NEWTRANSPARENT = 3;

// GetDeviceCaps indices.
constexpr int HORZSIZE = 4;
constexpr int VERTSIZE = 6;
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int NUMCOLORS = 24;
constexpr int RASTERCAPS = 38;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int CAPS1 = 94;
constexpr int C1_TRANSPARENT = 1;
constexpr int RC_BITBLT = 1;
constexpr int RC_STRETCHDIB = 0x2000;

// A memory DC compatible with another DC, or with the screen for 0. 0 for an unknown DC.
HDC CreateCompatibleDC(HDC hdc);
// Deletes a memory DC (objects selected into it stay alive, unselected). FALSE for an
// unknown handle or a window DC (those go back through ReleaseDC).
BOOL DeleteDC(HDC hdc);

// Each setter returns the previous value: CLR_INVALID (colours) or 0 (mode) for an
// unknown DC; SetBkMode also returns 0 and changes nothing for a mode other than 1 to 3.
// Colours are stored as given, so -1 reads back as -1; drawing uses their low 24 bits,
// and a background colour of -1 matches no pixel when it is compared.
COLORREF SetBkColor(HDC hdc, COLORREF colour);
COLORREF GetBkColor(HDC hdc);
COLORREF SetTextColor(HDC hdc, COLORREF colour);
COLORREF GetTextColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);

// The selected object of a kind (OBJ_BITMAP, OBJ_BRUSH, OBJ_PEN, OBJ_FONT); 0 otherwise.
HGDIOBJ GetCurrentObject(HDC hdc, UINT kind);

// Device capabilities of the screen device every DC belongs to; 0 for an unknown DC or
// index. CAPS1 holds C1_TRANSPARENT when the device property below is on.
int GetDeviceCaps(HDC hdc, int index);

// The screen device's properties, settable so that both ways of copying transparently
// can be exercised: whether the device blits with NEWTRANSPARENT by itself (C1_TRANSPARENT,
// off by default) and the screen size that HORZRES/VERTRES report (1024 x 768).
struct DisplayDevice {
    bool transparent_blt{false};
    int width{1024};
    int height{768};
};
DisplayDevice& display_device();

// The rectangle the DC may draw in, in its own coordinates; empty for an unknown DC.
RECT GetClipBox(HDC hdc);

// Further limits a DC's drawing to a rectangle (a window DC's visible part); an empty
// rectangle forbids all drawing. clear_dc_clip lifts the limit. Unknown DCs are ignored.
void set_dc_clip(HDC hdc, const RECT& clip);
void clear_dc_clip(HDC hdc);

} // namespace paginor::platform
