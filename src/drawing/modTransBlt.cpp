#include "drawing/modTransBlt.h"

#include "platform/raster/bitmap.h"
#include "platform/raster/blit.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"

namespace paginor::modTransBlt {

using namespace platform;

namespace {

void device_transparent_copy(HDC dest, int32_t dest_x, int32_t dest_y, int32_t width,
                             int32_t height, HDC src, int32_t src_x, int32_t src_y, COLORREF key) {
    int old_mode = SetBkMode(dest, NEWTRANSPARENT);
    COLORREF old_colour = SetBkColor(dest, key);
    BitBlt(dest, dest_x, dest_y, width, height, src, src_x, src_y, SRCCOPY);
    SetBkColor(dest, old_colour);
    SetBkMode(dest, old_mode);
}

} // namespace

void TransBlt(HDC dest, int32_t dest_x, int32_t dest_y, int32_t width, int32_t height, HDC src,
              int32_t src_x, int32_t src_y, int32_t key) {
    const COLORREF key_colour = COLORREF(key);
    if (GetDeviceCaps(dest, CAPS1) & C1_TRANSPARENT) {
        device_transparent_copy(dest, dest_x, dest_y, width, height, src, src_x, src_y, key_colour);
        return;
    }
    HDC colour_dc = CreateCompatibleDC(dest);
    HDC mask_dc = CreateCompatibleDC(dest);
    HDC inverse_dc = CreateCompatibleDC(dest);
    HDC back_dc = CreateCompatibleDC(dest);
    HBITMAP mask = CreateBitmap(width, height, 1, 1, nullptr);
    HBITMAP inverse = CreateBitmap(width, height, 1, 1, nullptr);
    HBITMAP back = CreateCompatibleBitmap(dest, width, height);
    HBITMAP colour = CreateCompatibleBitmap(dest, width, height);
    HGDIOBJ old_colour = SelectObject(colour_dc, colour);
    HGDIOBJ old_mask = SelectObject(mask_dc, mask);
    HGDIOBJ old_inverse = SelectObject(inverse_dc, inverse);
    HGDIOBJ old_back = SelectObject(back_dc, back);

    // Mask: 1 where the source shows the key colour.
    COLORREF old_bk = SetBkColor(src, key_colour);
    BitBlt(mask_dc, 0, 0, width, height, src, src_x, src_y, SRCCOPY);
    SetBkColor(src, old_bk);
    BitBlt(inverse_dc, 0, 0, width, height, mask_dc, 0, 0, NOTSRCCOPY);
    // Back: the target where the source is transparent, black elsewhere.
    BitBlt(back_dc, 0, 0, width, height, dest, dest_x, dest_y, SRCCOPY);
    BitBlt(back_dc, 0, 0, width, height, mask_dc, 0, 0, SRCAND);
    // Colour: the source where it is opaque, black elsewhere; the two add up by XOR.
    BitBlt(colour_dc, 0, 0, width, height, src, src_x, src_y, SRCCOPY);
    BitBlt(colour_dc, 0, 0, width, height, inverse_dc, 0, 0, SRCAND);
    BitBlt(back_dc, 0, 0, width, height, colour_dc, 0, 0, SRCINVERT);
    BitBlt(dest, dest_x, dest_y, width, height, back_dc, 0, 0, SRCCOPY);

    SelectObject(colour_dc, old_colour);
    SelectObject(mask_dc, old_mask);
    SelectObject(inverse_dc, old_inverse);
    SelectObject(back_dc, old_back);
    DeleteObject(colour);
    DeleteObject(mask);
    DeleteObject(inverse);
    DeleteObject(back);
    DeleteDC(colour_dc);
    DeleteDC(mask_dc);
    DeleteDC(inverse_dc);
    DeleteDC(back_dc);
}

} // namespace paginor::modTransBlt
