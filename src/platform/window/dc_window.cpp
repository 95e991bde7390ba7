#include "platform/window/dc_window.h"

#include "platform/raster/gdi_objects.h"
#include "platform/window/window.h"

#include <map>

namespace paginor::platform {

namespace {

std::map<HWND, std::unique_ptr<Bitmap>>& surfaces() {
    static std::map<HWND, std::unique_ptr<Bitmap>> all;
    return all;
}

// The visible part of the window in its own client coordinates.
RECT visible_client_rect(HWND hwnd) {
    RECT screen = GetVisibleRect(hwnd);
    if (gdi::empty(screen))
        return {};
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    return {screen.left - origin.x, screen.top - origin.y, screen.right - origin.x,
            screen.bottom - origin.y};
}

} // namespace

Bitmap* window_surface(HWND hwnd) {
    if (!IsWindow(hwnd))
        return nullptr;
    RECT client{};
    GetClientRect(hwnd, &client);
    auto& slot = surfaces()[hwnd];
    if (!slot)
        slot = std::make_unique<Bitmap>(std::max(client.width(), 1), std::max(client.height(), 1),
                                        false);
    else if (slot->width() != std::max(client.width(), 1) ||
             slot->height() != std::max(client.height(), 1))
        slot->resize(client.width(), client.height());
    return slot.get();
}

void drop_dead_window_surfaces() {
    auto& all = surfaces();
    for (auto it = all.begin(); it != all.end();) {
        it = IsWindow(it->first) ? std::next(it) : all.erase(it);
    }
}

HDC GetDC(HWND hwnd) {
    drop_dead_window_surfaces();
    Bitmap* surface = window_surface(hwnd);
    HDC made = 0;
    if (surface) {
        auto d = std::make_unique<gdi::Dc>();
        d->memory = false;
        d->window = hwnd;
        d->backing = surface;
        d->has_clip = true;
        d->clip = visible_client_rect(hwnd);
        made = gdi::add_dc(std::move(d));
    }
    return made;
}

int ReleaseDC(HWND hwnd, HDC hdc) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d || d->memory || d->window != hwnd)
        return 0;
    gdi::remove_dc(hdc);
    return 1;
}

HWND WindowFromDC(HDC hdc) {
    gdi::Dc* d = gdi::dc(hdc);
    return d && !d->memory ? d->window : 0;
}

} // namespace paginor::platform
