// The script's MsgBox on a live display: a small window of our own, its text and OK button
// drawn with the library's raster and text layers, shown until it is answered.
#include "host/presenters/x11_presenter.h"

#include "platform/core/unicode.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/text/text.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace paginor::host::presenters {

namespace {

namespace pf = paginor::platform;

constexpr int kPadding = 12;
constexpr int kTextWidth = 360;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr pf::COLORREF kFace = 0xF0F0F0;
constexpr pf::COLORREF kFrame = 0x808080;

struct Picture {
    int width{0};
    int height{0};
    pf::RECT ok{};
    std::vector<uint32_t> pixels{};
};

void fill(pf::HDC dc, const pf::RECT& r, pf::COLORREF colour, bool frame = false) {
    const pf::HBRUSH brush = pf::CreateSolidBrush(colour);
    frame ? pf::FrameRect(dc, r, brush) : pf::FillRect(dc, r, brush);
    pf::DeleteObject(brush);
}

// The text word-wrapped above a centred OK button, on the button face colour.
Picture draw(const std::u16string& text) {
    const pf::HDC dc = pf::CreateCompatibleDC(0);
    pf::SelectObject(dc, pf::GetStockObject(pf::DEFAULT_GUI_FONT));
    constexpr UINT kFormat = pf::DT_WORDBREAK | pf::DT_NOPREFIX;
    pf::RECT extent{0, 0, kTextWidth, 0};
    pf::DrawText(dc, text, &extent, kFormat | pf::DT_CALCRECT);
    Picture p;
    p.width = std::max<int>(extent.right, kButtonWidth) + 2 * kPadding + 40;
    p.height = extent.bottom + 3 * kPadding + kButtonHeight;
    const pf::HBITMAP bitmap = pf::CreateBitmap(p.width, p.height, 1, 32, nullptr);
    const pf::HGDIOBJ before = pf::SelectObject(dc, bitmap);
    fill(dc, {0, 0, p.width, p.height}, kFace);
    pf::SetBkMode(dc, pf::TRANSPARENT);
    pf::RECT where{kPadding, kPadding, kPadding + extent.right, kPadding + extent.bottom};
    pf::DrawText(dc, text, &where, kFormat);
    const int left = (p.width - kButtonWidth) / 2;
    const int top = p.height - kPadding - kButtonHeight;
    p.ok = {left, top, left + kButtonWidth, top + kButtonHeight};
    fill(dc, p.ok, 0xFFFFFF);
    fill(dc, p.ok, kFrame, true);
    pf::RECT label = p.ok;
    pf::DrawText(dc, u"OK", &label, pf::DT_CENTER | pf::DT_VCENTER | pf::DT_SINGLELINE);
    const pf::Bitmap* pixels = pf::bitmap_object(bitmap);
    for (int y = 0; y < p.height; ++y)
        p.pixels.insert(p.pixels.end(), pixels->colour_row(y), pixels->colour_row(y) + p.width);
    pf::SelectObject(dc, before);
    pf::DeleteDC(dc);
    pf::DeleteObject(bitmap);
    return p;
}

bool inside(const pf::RECT& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

} // namespace

void X11Display::message_box(const std::string& title, const std::string& text) {
    Picture p = draw(paginor::from_utf8(text));
    Display* d = m_display;
    const int screen = DefaultScreen(d);
    Window box = XCreateSimpleWindow(d, RootWindow(d, screen), 40, 40, unsigned(p.width),
                                     unsigned(p.height), 0, 0, 0);
    XStoreName(d, box, title.c_str());
    Atom close = XInternAtom(d, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(d, box, &close, 1);
    XSelectInput(d, box, ExposureMask | ButtonReleaseMask | KeyPressMask | StructureNotifyMask);
    XMapRaised(d, box);
    XImage* image = XCreateImage(d, DefaultVisual(d, screen), 24, ZPixmap, 0,
                                 reinterpret_cast<char*>(p.pixels.data()), unsigned(p.width),
                                 unsigned(p.height), 32, p.width * 4);
    const GC gc = XCreateGC(d, box, 0, nullptr);
    // Only the box's own events are taken: the form's wait until it is answered.
    const auto for_box = [](Display*, XEvent* e, XPointer w) {
        return Bool(e->xany.window == *reinterpret_cast<Window*>(w));
    };
    for (bool open = true; open;) {
        XEvent e;
        XIfEvent(d, &e, for_box, reinterpret_cast<XPointer>(&box));
        if (e.type == Expose) {
            XPutImage(d, box, gc, image, e.xexpose.x, e.xexpose.y, e.xexpose.x, e.xexpose.y,
                      unsigned(e.xexpose.width), unsigned(e.xexpose.height));
        } else if (e.type == ButtonRelease) {
            open = !inside(p.ok, e.xbutton.x, e.xbutton.y);
        } else if (e.type == KeyPress) {
            const KeySym key = XLookupKeysym(&e.xkey, 0);
            open = key != XK_Return && key != XK_KP_Enter && key != XK_Escape && key != XK_space;
        } else if (e.type == ClientMessage) {
            open = Atom(e.xclient.data.l[0]) != close;
        } else if (e.type == DestroyNotify) {
            open = false;
            box = 0;
        }
    }
    image->data = nullptr; // the pixels are the picture's
    XDestroyImage(image);
    XFreeGC(d, gc);
    if (box)
        XDestroyWindow(d, box);
    XFlush(d);
}

} // namespace paginor::host::presenters
