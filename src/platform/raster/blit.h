// Block transfers: BitBlt between DCs with ternary raster operations and the desktop's
// rules for mixing monochrome and colour surfaces, and StretchDIBits from a caller's
// 32-bit pixel buffer.
#pragma once

#include "platform/core/types.h"

#include <cstdint>
#include <functional>

namespace paginor::platform {

// Ternary raster operations (the ones the controls use; any other valid code works too).
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD SRCERASE = 0x00440328;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD NOTSRCERASE = 0x001100A6;
constexpr DWORD MERGECOPY = 0x00C000CA;
constexpr DWORD MERGEPAINT = 0x00BB0226;
constexpr DWORD PATCOPY = 0x00F00021;
constexpr DWORD PATINVERT = 0x005A0049;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;

// Copies cx x cy pixels from (x_src, y_src) of `src` to (x, y) of `dst`, combined with the
// target and the target's brush by `rop`. Mixed formats follow the desktop's rules:
// colour to monochrome makes pixels equal to the source DC's background colour 1 and all
// others 0; monochrome to colour makes 1 the target DC's background colour and 0 its text
// colour. With the target in NEWTRANSPARENT mode on a C1_TRANSPARENT device, a SRCCOPY
// from a colour source skips source pixels equal to the target's background colour.
// Only the part inside both the target's drawable area and the source bitmap changes.
// FALSE for an unknown target, an unknown source when `rop` needs one, or a negative
// size; a zero size does nothing and returns TRUE.
BOOL BitBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int x_src, int y_src, DWORD rop);

constexpr DWORD BI_RGB = 0;
constexpr UINT DIB_RGB_COLORS = 0;

struct BITMAPINFOHEADER {
    DWORD biSize{40};
    LONG biWidth{0};
    LONG biHeight{0}; // > 0: bottom-up rows, < 0: top-down rows
    WORD biPlanes{1};
    WORD biBitCount{32};
    DWORD biCompression{BI_RGB};
    DWORD biSizeImage{0};
    LONG biXPelsPerMeter{0};
    LONG biYPelsPerMeter{0};
    DWORD biClrUsed{0};
    DWORD biClrImportant{0};
};

struct RGBQUAD {
    BYTE rgbBlue{0};
    BYTE rgbGreen{0};
    BYTE rgbRed{0};
    BYTE rgbReserved{0};
};

struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};

// Copies the source rectangle of a 32 bpp BI_RGB buffer (pixels 0x00RRGGBB) to the
// destination rectangle, scaling to the nearest pixel. As on the desktop, y_src of a
// bottom-up buffer counts from its bottom row. Returns the number of source rows (the
// source height), 0 for an unknown DC, a null buffer, a header other than 32 bpp BI_RGB
// with one plane, or a non-positive size.
int StretchDIBits(HDC hdc, int x_dst, int y_dst, int dst_width, int dst_height, int x_src,
                  int y_src, int src_width, int src_height, const void* bits,
                  const BITMAPINFO* info, UINT usage, DWORD rop);

// The same pixels as a SRCCOPY StretchDIBits of a width x height buffer placed 1:1 at
// (x, y), without the buffer: `row` is asked once for every row of the block that lies
// in the drawable area, top row first, with the row's index in the block, the index of
// its first drawable column, the number of drawable columns and where to write their
// pixels (0x00RRGGBB). On a colour surface that is the surface's own row, so each pixel
// is written once; on a monochrome one a scratch row, converted as StretchDIBits would.
// FALSE for an unknown DC or a negative size; nothing drawable does nothing.
using DibRowWriter = std::function<void(int row, int first, int count, uint32_t* out)>;
BOOL write_dib_rows(HDC hdc, int x, int y, int width, int height, const DibRowWriter& row);

} // namespace paginor::platform
