#include "host/presenters/x11_presenter.h"

#include "host/api.h"
#include "host/presenters/x11_keys.h"
#include "platform/core/clock.h"
#include "platform/core/unicode.h"
#include "platform/window/input.h"
#include "platform/window/message.h"
#include "platform/window/message_ids.h"
#include "platform/window/window.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <poll.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <clocale>
#include <cstdint>
#include <string>

namespace paginor::host::presenters {

namespace {

namespace pf = paginor::platform;

struct Rect {
    int left, top, right, bottom;
    bool empty() const { return right <= left || bottom <= top; }
};

// The rectangle holding every pixel that differs between two images of one size.
Rect changed_area(const pf::Image& before, const pf::Image& after) {
    Rect r{INT_MAX, INT_MAX, 0, 0};
    for (int y = 0; y < after.height; ++y) {
        const uint32_t* a = &before.pixels[size_t(y) * after.width];
        const uint32_t* b = &after.pixels[size_t(y) * after.width];
        if (std::equal(a, a + after.width, b))
            continue;
        int x0 = 0;
        while (a[x0] == b[x0])
            ++x0;
        int x1 = after.width;
        while (a[x1 - 1] == b[x1 - 1])
            --x1;
        r = {std::min(r.left, x0), std::min(r.top, y), std::max(r.right, x1), y + 1};
    }
    return r;
}

// One form on one display: the window, its picture and the form's input.
class Presenter {
  public:
    Presenter(Display* display, host::Form& form) : m_display(display), m_form(form) {}
    ~Presenter() {
        if (m_ic)
            XDestroyIC(m_ic);
        if (m_im)
            XCloseIM(m_im);
        if (m_gc)
            XFreeGC(m_display, m_gc);
        if (m_window)
            XDestroyWindow(m_display, m_window);
    }

    void open();
    void run(bool manual_clock);

  private:
    void handle(XEvent& event);
    void pointer(int x, int y);
    void button(const XButtonEvent& event, bool down);
    void key(XKeyEvent& event, bool down);
    void refresh();
    void put(const Rect& r);
    int timeout_ms(bool manual_clock) const;

    Display* m_display;
    host::Form& m_form;
    Window m_window{0};
    GC m_gc{nullptr};
    XIM m_im{nullptr};
    XIC m_ic{nullptr};
    Atom m_delete{0};
    bool m_open{true};
    pf::Image m_shown{};
};

void Presenter::open() {
    const int screen = DefaultScreen(m_display);
    m_shown = m_form.render();
    m_window = XCreateSimpleWindow(m_display, RootWindow(m_display, screen), 0, 0,
                                   unsigned(m_shown.width), unsigned(m_shown.height), 0, 0, 0);
    const std::string title = paginor::to_utf8(m_form.name());
    XStoreName(m_display, m_window, title.c_str());
    XSizeHints* hints = XAllocSizeHints();
    hints->flags = PMinSize | PMaxSize;
    hints->min_width = hints->max_width = m_shown.width;
    hints->min_height = hints->max_height = m_shown.height;
    XSetWMNormalHints(m_display, m_window, hints);
    XFree(hints);
    m_delete = XInternAtom(m_display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(m_display, m_window, &m_delete, 1);
    XSelectInput(m_display, m_window,
                 ExposureMask | PointerMotionMask | LeaveWindowMask | ButtonPressMask |
                     ButtonReleaseMask | KeyPressMask | KeyReleaseMask | StructureNotifyMask);
    m_gc = XCreateGC(m_display, m_window, 0, nullptr);
    // The input method turns keys into text as the keyboard mapping says (dead keys and
    // compose included); without one, XLookupString does it for Latin-1.
    m_im = XOpenIM(m_display, nullptr, nullptr, nullptr);
    if (m_im)
        m_ic = XCreateIC(m_im, XNInputStyle, XIMPreeditNothing | XIMStatusNothing, XNClientWindow,
                         m_window, XNFocusWindow, m_window, nullptr);
    XMapWindow(m_display, m_window);
    pf::SetActiveWindow(m_form.hwnd());
}

void Presenter::run(bool manual_clock) {
    pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
    while (m_open) {
        while (m_open && XPending(m_display)) {
            XEvent event;
            XNextEvent(m_display, &event);
            handle(event);
        }
        if (!m_open)
            break;
        pf::DoEvents();
        refresh();
        XFlush(m_display);
        if (!XPending(m_display))
            poll(&fd, 1, timeout_ms(manual_clock));
    }
}

// Until the next timer or hover report; forever when none is set (or time stands still).
int Presenter::timeout_ms(bool manual_clock) const {
    if (pf::PendingMessageCount() > 0)
        return 0;
    const uint64_t due = pf::NextDueTime();
    if (manual_clock || due == UINT64_MAX)
        return -1;
    const uint64_t now = pf::GetClock().monotonic_ms();
    return due <= now ? 0 : int(std::min<uint64_t>(due - now, INT_MAX));
}

void Presenter::handle(XEvent& event) {
    // A message box's events (its end included) are its own.
    if (XFilterEvent(&event, None) || event.xany.window != m_window)
        return;
    switch (event.type) {
    case Expose:
        put({event.xexpose.x, event.xexpose.y, event.xexpose.x + event.xexpose.width,
             event.xexpose.y + event.xexpose.height});
        break;
    case MotionNotify:
        pointer(event.xmotion.x, event.xmotion.y);
        break;
    case LeaveNotify: // gone off the window: to the window system, over no window at all
        if (event.xcrossing.mode == NotifyNormal)
            pf::Input::moveTo(-1, -1);
        break;
    case ButtonPress:
    case ButtonRelease:
        button(event.xbutton, event.type == ButtonPress);
        break;
    case KeyPress:
    case KeyRelease:
        key(event.xkey, event.type == KeyPress);
        break;
    case ClientMessage:
        if (Atom(event.xclient.data.l[0]) == m_delete)
            m_open = false;
        break;
    case DestroyNotify: // closed from outside: the window is gone already
        m_window = 0;
        m_open = false;
        break;
    }
}

void Presenter::pointer(int x, int y) {
    pf::POINT pt{x, y};
    pf::ClientToScreen(m_form.hwnd(), &pt);
    pf::Input::moveTo(pt.x, pt.y);
}

void Presenter::button(const XButtonEvent& event, bool down) {
    pointer(event.x, event.y);
    switch (event.button) {
    case Button1:
        return down ? pf::Input::press(pf::MouseButton::Left)
                    : pf::Input::release(pf::MouseButton::Left);
    case Button2:
        return down ? pf::Input::press(pf::MouseButton::Middle)
                    : pf::Input::release(pf::MouseButton::Middle);
    case Button3:
        return down ? pf::Input::press(pf::MouseButton::Right)
                    : pf::Input::release(pf::MouseButton::Right);
    case Button4:
    case Button5:
        if (down)
            pf::Input::wheel(event.button == Button4 ? 120 : -120);
        return;
    }
}

void Presenter::key(XKeyEvent& event, bool down) {
    char text[64] = {};
    KeySym keysym = NoSymbol;
    Status status = 0;
    int length = 0;
    if (down && m_ic)
        length = Xutf8LookupString(m_ic, &event, text, sizeof text - 1, &keysym, &status);
    else
        length = XLookupString(&event, text, sizeof text - 1, &keysym, nullptr);
    const bool control = (event.state & ControlMask) != 0;
    int vk = virtual_key(keysym);
    // Ctrl with a letter goes as the letter's key, so the window system makes Ctrl+letter.
    if (!vk && control && keysym < 0x100 && std::isalpha(int(keysym)))
        vk = std::toupper(int(keysym));
    if (vk) {
        down ? pf::Input::keyDown(vk) : pf::Input::keyUp(vk);
        return;
    }
    if (!down || length <= 0)
        return;
    const std::u16string typed = m_ic ? paginor::from_utf8(std::string_view(text, size_t(length)))
                                      : std::u16string(text, text + length); // Latin-1
    for (char16_t c : typed)
        pf::Input::type(c);
}

// Shows what changed since the last picture.
void Presenter::refresh() {
    pf::Image next = m_form.composed(); // DoEvents has painted what was invalid
    if (next.width != m_shown.width || next.height != m_shown.height) {
        m_shown = std::move(next);
        XResizeWindow(m_display, m_window, unsigned(m_shown.width), unsigned(m_shown.height));
        put({0, 0, m_shown.width, m_shown.height});
        return;
    }
    const Rect changed = changed_area(m_shown, next);
    if (changed.empty())
        return;
    m_shown = std::move(next);
    put(changed);
}

void Presenter::put(const Rect& area) {
    const Rect r{std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, m_shown.width),
                 std::min(area.bottom, m_shown.height)};
    if (r.empty())
        return;
    XImage* image =
        XCreateImage(m_display, DefaultVisual(m_display, DefaultScreen(m_display)), 24, ZPixmap, 0,
                     reinterpret_cast<char*>(m_shown.pixels.data()), unsigned(m_shown.width),
                     unsigned(m_shown.height), 32, m_shown.width * 4);
    XPutImage(m_display, m_window, m_gc, image, r.left, r.top, r.left, r.top,
              unsigned(r.right - r.left), unsigned(r.bottom - r.top));
    image->data = nullptr; // the pixels stay ours
    XDestroyImage(image);
}

} // namespace

std::unique_ptr<X11Display> X11Display::open(std::string& failure) {
    std::setlocale(LC_CTYPE, "");
    XSetLocaleModifiers("");
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        const char* name = XDisplayName(nullptr);
        failure = std::string("cannot open display ") + (name ? name : "");
        return nullptr;
    }
    const int screen = DefaultScreen(display);
    const Visual* visual = DefaultVisual(display, screen);
    if (DefaultDepth(display, screen) < 24 || visual->red_mask != 0xFF0000 ||
        visual->green_mask != 0xFF00 || visual->blue_mask != 0xFF) {
        failure =
            std::string("the display ") + DisplayString(display) + " shows no 24-bit true colour";
        XCloseDisplay(display);
        return nullptr;
    }
    return std::unique_ptr<X11Display>(new X11Display(display));
}

X11Display::~X11Display() {
    XCloseDisplay(m_display);
}

void X11Display::show(PaginorForm* form, bool manual_clock) {
    Presenter presenter(m_display, api::form_of(form));
    presenter.open();
    presenter.run(manual_clock);
}

} // namespace paginor::host::presenters
