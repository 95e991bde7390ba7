#include "platform/raster/dc.h"

#include "platform/raster/gdi_objects.h"
#include "platform/text/font.h"

namespace paginor::platform {

HDC CreateCompatibleDC(HDC hdc) {
    HDC made = 0;
    if (hdc == 0 || gdi::dc(hdc))
        made = gdi::add_dc(std::make_unique<gdi::Dc>());
    return made;
}

BOOL DeleteDC(HDC hdc) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d || !d->memory)
        return 0;
    gdi::remove_dc(hdc);
    return 1;
}

COLORREF SetBkColor(HDC hdc, COLORREF colour) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d)
        return CLR_INVALID;
    COLORREF previous = d->bk_colour;
    d->bk_colour = colour;
    return previous;
}

COLORREF GetBkColor(HDC hdc) {
    gdi::Dc* d = gdi::dc(hdc);
    return d ? d->bk_colour : CLR_INVALID;
}

COLORREF SetTextColor(HDC hdc, COLORREF colour) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d)
        return CLR_INVALID;
    COLORREF previous = d->text_colour;
    d->text_colour = colour;
    return previous;
}

COLORREF GetTextColor(HDC hdc) {
    gdi::Dc* d = gdi::dc(hdc);
    return d ? d->text_colour : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d || mode < TRANSPARENT || mode > NEWTRANSPARENT)
        return 0;
    int previous = d->bk_mode;
    d->bk_mode = mode;
    return previous;
}

int GetBkMode(HDC hdc) {
    gdi::Dc* d = gdi::dc(hdc);
    return d ? d->bk_mode : 0;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT kind) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d)
        return 0;
    switch (kind) {
    case OBJ_BITMAP:
        return d->bitmap ? d->bitmap : GetStockObject(DEFAULT_BITMAP);
    case OBJ_BRUSH:
        return d->brush ? d->brush : GetStockObject(WHITE_BRUSH);
    case OBJ_PEN:
        return d->pen ? d->pen : GetStockObject(BLACK_PEN);
    case OBJ_FONT:
        return d->font ? d->font : GetStockObject(SYSTEM_FONT);
    default:
        return 0;
    }
}

DisplayDevice& display_device() {
    static DisplayDevice device;
    return device;
}

namespace {

int device_cap(int index) {
    const DisplayDevice& dev = display_device();
    const int dpi_x = 1440 / screen_twips_per_pixel_x();
    const int dpi_y = 1440 / screen_twips_per_pixel_y();
    switch (index) {
    case HORZRES:
        return dev.width;
    case VERTRES:
        return dev.height;
    case HORZSIZE:
        return dev.width * 254 / (dpi_x * 10);
    case VERTSIZE:
        return dev.height * 254 / (dpi_y * 10);
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return -1;
    case RASTERCAPS:
        return RC_BITBLT | RC_STRETCHDIB;
    case LOGPIXELSX:
        return dpi_x;
    case LOGPIXELSY:
        return dpi_y;
    case CAPS1:
        return dev.transparent_blt ? C1_TRANSPARENT : 0;
    default:
        return 0;
    }
}

} // namespace

int GetDeviceCaps(HDC hdc, int index) {
    return gdi::dc(hdc) ? device_cap(index) : 0;
}

RECT GetClipBox(HDC hdc) {
    gdi::Dc* d = gdi::dc(hdc);
    return d ? gdi::drawable_rect(*d) : RECT{};
}

void set_dc_clip(HDC hdc, const RECT& clip) {
    if (gdi::Dc* d = gdi::dc(hdc)) {
        d->has_clip = true;
        d->clip = clip;
    }
}

void clear_dc_clip(HDC hdc) {
    if (gdi::Dc* d = gdi::dc(hdc))
        d->has_clip = false;
}

} // namespace paginor::platform
