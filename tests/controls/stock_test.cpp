// The stock child controls: the windowless image, label and image list, the timer, and
// the picture box that holds windowless children and draws them.
#include "controls/Image.h"
#include "controls/ImageList.h"
#include "controls/Label.h"
#include "controls/Line.h"
#include "controls/PictureBox.h"
#include "controls/Timer.h"
#include "frame/std_picture.h"
#include "platform/core/unicode.h"
#include "platform/image/image_codec.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/colour.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/window/dc_window.h"
#include "platform/window/input.h"
#include "platform/window/message.h"
#include "platform/window/window.h"
#include "platform/window/window_system.h"

#include "support/memory_surface.h"
#include "support/parent_window.h"
#include "support/raises.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <functional>
#include <string>

using namespace paginor;
namespace pf = paginor::platform;
using controls::PictureBox;
using test::error_of;

namespace {

frame::StdPicture* load(const char* name) {
    return frame::LoadPicture(from_utf8(std::string(PAGINOR_TEST_DATA_DIR "/") + name));
}

// A w x h bitmap filled green.
struct Canvas : testing_support::MemorySurface {
    Canvas(int w, int h) : MemorySurface(w, h, [](int, int) { return pf::RGB(0, 255, 0); }) {}
};

TEST(Image, NaturalSizeStretchAndTransparency) {
    platform::WindowSystemScope scope;
    frame::StdPicture* disc = load("o2007hover_pic_normal.png");
    frame::StdPicture* bars = load("o2007hover_pic_bluered.bmp");
    {
        controls::Image image;
        image.Move(2, 3, 5, 5);
        image.SetPicture(disc);
        EXPECT_EQ(disc->AddRef(), 3u) << "the image holds a reference";
        disc->Release();
        EXPECT_EQ(image.bounds(), (platform::RECT{2, 3, 18, 19})) << "natural size";
        image.SetStretch(true);
        image.SetPicture(bars);
        image.Move(0, 0, 8, 4);
        EXPECT_EQ(image.bounds(), (platform::RECT{0, 0, 8, 4})) << "stretch keeps the size";

        Canvas c(20, 20);
        const platform::HDC dc = c.dc;
        image.paint(dc);
        EXPECT_EQ(platform::GetPixel(dc, 3, 3), platform::RGB(0, 0, 255));
        EXPECT_EQ(platform::GetPixel(dc, 4, 3), platform::RGB(255, 0, 0));
        EXPECT_EQ(platform::GetPixel(dc, 8, 0), platform::RGB(0, 255, 0)) << "outside";

        image.SetStretch(false);
        image.SetPicture(disc);
        image.Move(0, 0, 0, 0);
        platform::fill_solid(dc, {0, 0, 20, 20}, platform::RGB(0, 255, 0));
        image.paint(dc);
        EXPECT_EQ(platform::GetPixel(dc, 0, 0), platform::RGB(0, 255, 0)) << "transparent corner";
        EXPECT_EQ(platform::GetPixel(dc, 8, 8), platform::RGB(40, 90, 200)) << "opaque middle";
        // The ring is half transparent: half of the disc's blue, half of the green.
        const platform::COLORREF ring = platform::GetPixel(dc, 8, 1);
        EXPECT_NEAR(int(ring & 0xFF), (40 + 0) / 2, 1);
        EXPECT_NEAR(int((ring >> 8) & 0xFF), (90 + 255) / 2, 1);
    }
    EXPECT_EQ(disc->Release(), 0u) << "the image let its picture go";
    EXPECT_EQ(bars->Release(), 0u);
}

TEST(Label, AutoSizeBackStyleAndBold) {
    pf::WindowSystemScope scope;
    controls::Label label;
    label.SetCaption(u"Search");
    label.Move(2, 2, 5, 5);
    EXPECT_EQ(label.bounds(), (pf::RECT{2, 2, 7, 7})) << "no AutoSize: size kept";
    label.SetAutoSize(true);
    const pf::RECT plain = label.bounds();
    EXPECT_GT(plain.right - plain.left, 20);
    EXPECT_GT(plain.bottom - plain.top, 8);
    label.SetFontBold(true);
    EXPECT_GT(label.bounds().right, plain.right) << "bold text is wider";
    // "&" takes no room and "&&" is one "&", in measuring as in drawing.
    const auto width = [](const char16_t* caption) {
        controls::Label l;
        l.SetAutoSize(true);
        l.SetCaption(caption);
        return l.bounds().right - l.bounds().left;
    };
    EXPECT_EQ(width(u"&Search"), width(u"Search"));
    EXPECT_EQ(width(u"R&D"), width(u"RD"));
    EXPECT_GT(width(u"R&&D"), width(u"RD"));

    Canvas c(80, 30);
    const pf::GdiCounts before = pf::gdi_object_counts();
    label.SetBackStyle(0);
    label.paint(c.dc);
    EXPECT_EQ(pf::gdi_object_counts(), before);
    EXPECT_EQ(pf::GetPixel(c.dc, 2, 2), pf::RGB(0, 255, 0)) << "transparent: beneath shows";
    const pf::RECT r = label.bounds();
    const std::vector<pf::COLORREF> drawn = c.pixels(r);
    EXPECT_GT(drawn.size() - std::count(drawn.begin(), drawn.end(), pf::RGB(0, 255, 0)), 20u)
        << "the caption is drawn";
}

// Pixels of the mask colour come out transparent, and only while the mask is used.
TEST(ImageList, KeysAndMaskColour) {
    pf::Image two{2, 1, false, pf::ImageFormat::Png, {0xFFC0C0C0u, 0xFFFF0000u}};
    const auto picture = Ref<IDispatch>::adopt(frame::StdPicture::from_bytes(pf::encode_png(two)));
    controls::ImageList list;
    list.SetMaskColor(0x00C0C0C0);
    list.Add(u"k", picture.get());
    const auto pixels = [&] {
        return frame::StdPicture::from(list.ListImages(u"k"))->image().pixels;
    };
    EXPECT_EQ(pixels(), (std::vector<uint32_t>{0x00000000u, 0xFFFF0000u}));
    list.SetUseMaskColor(false);
    EXPECT_EQ(list.ListImages(u"k"), picture.get());
    EXPECT_EQ(error_of([&] { list.ListImages(u"K"); }), 9) << "keys compare exactly";
    EXPECT_EQ(error_of([&] { list.Add(u"", picture.get()); }), 380);
}

TEST(Timer, TicksOnThePlatformClock) {
    platform::WindowSystemScope scope;
    controls::Timer timer;
    std::vector<uint64_t> ticks;
    timer.on_timer = [&] { ticks.push_back(scope.clock().monotonic_ms()); };
    auto run = [&](int ms) {
        for (int i = 0; i < ms / 10; ++i) {
            scope.clock().advance(std::chrono::milliseconds(10));
            platform::DoEvents();
        }
    };
    run(200);
    EXPECT_TRUE(ticks.empty()) << "Interval 0 never fires";
    timer.SetInterval(50);
    run(160);
    EXPECT_EQ(ticks, (std::vector<uint64_t>{250, 300, 350}));
    timer.SetEnabled(false);
    run(100);
    EXPECT_EQ(ticks.size(), 3u);
    timer.SetEnabled(true); // the wait starts afresh
    run(60);
    EXPECT_EQ(ticks.back(), 510u);
    timer.SetEnabled(true); // already on: the wait goes on
    run(40);
    EXPECT_EQ(ticks.back(), 560u); // (ticks a late pump coalesces: Timers, in the platform)

    for (const auto& [interval, error] : {std::pair{-1, 380}, {65536, 380}, {65535, 0}, {0, 0}})
        EXPECT_EQ(error_of([&] { timer.SetInterval(interval); }), error) << interval;
}

// Paints counted through a hook on the box's window.
int g_paints = 0;
pf::WNDPROC g_box_proc = nullptr;
pf::LRESULT counting_proc(pf::HWND h, UINT m, pf::WPARAM w, pf::LPARAM l) {
    if (m == pf::WM_PAINT)
        ++g_paints;
    return pf::CallWindowProc(g_box_proc, h, m, w, l);
}

class PictureBoxTest : public testing_support::ParentWindowTest {
  protected:
    PictureBoxTest() : ParentWindowTest(120, 100) {}
    void SetUp() override {
        pf::SetFocus(parent);
        disc = load("o2007hover_pic_normal.png");  // 16 x 16, transparent corners
        bars = load("o2007hover_pic_bluered.bmp"); // 4 x 2, blue left half, red right
    }
    void TearDown() override {
        EXPECT_EQ(disc->Release(), 0u) << "no box kept the picture";
        EXPECT_EQ(bars->Release(), 0u);
    }

    // Each argument as whole numbers; an event value gives its fields in order.
    static std::string words(const frame::MouseEvent& e) {
        return words(e.button) + words(e.shift) + words(e.x) + words(e.y);
    }
    static std::string words(const frame::KeyEvent& e) { return words(e.key) + words(e.shift); }
    template <class N> static std::string words(N n) { return " " + std::to_string(int(n)); }
    // A handler that logs "<name>" plus its arguments, entries apart by "; ".
    auto logs(std::string name) {
        return [this, name](auto&&... args) {
            log += (log.empty() ? "" : "; ") + name;
            ((log += words(args)), ...);
        };
    }
    // The pointer events of the box or of a windowless child, each line led by prefix.
    template <class Part> void record_pointer(Part& part, const std::string& prefix) {
        part.on_mouse_down = logs(prefix + "MouseDown");
        part.on_mouse_move = logs(prefix + "MouseMove");
        part.on_mouse_up = logs(prefix + "MouseUp");
        part.on_click = logs(prefix + "Click");
    }
    void record(PictureBox& box) {
        record_pointer(box, "");
        box.on_dbl_click = logs("DblClick");
        box.on_key_down = logs("KeyDown");
        box.on_key_press = logs("KeyPress");
        box.on_key_up = logs("KeyUp");
        box.on_got_focus = logs("GotFocus");
        box.on_lost_focus = logs("LostFocus");
    }
    // Input, then the pump.
    void run(const std::function<void()>& input) {
        input();
        pf::DoEvents();
    }
    // The clock moves on, so that the next press does not pair up with the last.
    void later() { scope.clock().advance(std::chrono::milliseconds(1000)); }
    static void move(int x, int y) {
        pf::Input::moveTo(x, y);
        pf::DoEvents();
    }
    static void click(pf::MouseButton b = pf::MouseButton::Left) {
        pf::Input::click(b);
        pf::DoEvents();
    }

    frame::StdPicture* disc{nullptr};
    frame::StdPicture* bars{nullptr};
    std::string log;
};

// Left, top, width, height, scale width and scale height.
using Geometry = std::array<int, 6>;
Geometry geometry_of(const PictureBox& box) {
    return {box.Left(), box.Top(), box.Width(), box.Height(), box.ScaleWidth(), box.ScaleHeight()};
}

// The fixture's TearDown finds any reference to a picture the box kept or lost.
TEST_F(PictureBoxTest, PlacedInItsParentSizedByItsPictureAndHoldingIt) {
    EXPECT_EQ(error_of([] { PictureBox orphan(0x7FFF, {0, 0, 5, 5}); }), 5) << "no parent window";
    PictureBox box(parent, {10, 20, 40, 50}, false);
    EXPECT_EQ(pf::GetParent(box.hWnd()), parent);
    EXPECT_FALSE(pf::IsWindowVisible(box.hWnd()));
    box.SetVisible(true);
    EXPECT_TRUE(pf::IsWindowVisible(box.hWnd()));

    IDispatch* const none = nullptr;
    struct Step {
        const char* what;
        std::function<void()> change;
        Geometry expected;
    };
    const Step steps[] = {
        {"as created", [] {}, {10, 20, 30, 30, 30, 30}},
        {"moved", [&] { box.Move(5, 6, 20, 10); }, {5, 6, 20, 10, 20, 10}},
        {"picture, no AutoSize", [&] { box.SetPicture(disc); }, {5, 6, 20, 10, 20, 10}},
        {"AutoSize on", [&] { box.SetAutoSize(true); }, {5, 6, 16, 16, 16, 16}},
        {"frame around the picture", [&] { box.SetBorderStyle(1); }, {5, 6, 18, 18, 16, 16}},
        {"another picture", [&] { box.SetPicture(bars); }, {5, 6, 6, 4, 4, 2}},
        {"picture cleared: size kept", [&] { box.SetPicture(none); }, {5, 6, 6, 4, 4, 2}},
        {"moved, negative height", [&] { box.Move(0, 1, 50, -3); }, {0, 1, 50, 0, 48, 0}},
        {"AutoSize off, then a picture",
         [&] {
             box.SetAutoSize(false);
             box.SetBorderStyle(0);
             box.SetPicture(disc);
         },
         {0, 1, 50, 0, 50, 0}},
        {"AutoSize on again", [&] { box.SetAutoSize(true); }, {0, 1, 16, 16, 16, 16}},
    };
    for (const Step& step : steps) {
        step.change();
        EXPECT_EQ(geometry_of(box), step.expected) << step.what;
    }
    EXPECT_EQ(disc->AddRef(), 3u) << "ours, the box's, this one";
    disc->Release();
    EXPECT_EQ(error_of([&] { box.SetBorderStyle(2); }), 380);
    EXPECT_EQ(box.BorderStyle(), 0);
}

// One letter a pixel: K frame (black), F button face, D the disc's opaque middle, R red,
// B blue, G green, ? anything else.
std::string row(pf::HWND hwnd, int y, int x0, int x1) {
    const pf::Bitmap* surface = pf::window_surface(hwnd);
    std::string s;
    for (int x = x0; x <= x1; ++x) {
        const pf::COLORREF c = surface->pixel(x, y);
        s += c == pf::RGB(0, 0, 0)         ? 'K'
             : c == pf::RGB(212, 208, 200) ? 'F'
             : c == pf::RGB(40, 90, 200)   ? 'D'
             : c == pf::RGB(255, 0, 0)     ? 'R'
             : c == pf::RGB(0, 0, 255)     ? 'B'
             : c == pf::RGB(0, 255, 0)     ? 'G'
                                           : '?';
    }
    return s;
}

TEST_F(PictureBoxTest, PaintsPictureFrameAndChildrenOnTheNextPump) {
    PictureBox box(parent, {4, 4, 28, 24}); // 24 x 20 px
    g_paints = 0;
    g_box_proc = reinterpret_cast<pf::WNDPROC>(pf::SetWindowLongPtr(
        box.hWnd(), pf::GWLP_WNDPROC, reinterpret_cast<pf::LONG_PTR>(&counting_proc)));
    controls::Label label; // an opaque red square under the image
    label.SetBackColor(0x000000FF);
    label.Move(17, 11, 4, 4);
    controls::Image image;
    image.Move(18, 13, 0, 0);
    image.SetPicture(bars);
    controls::Line line;
    line.SetBorderColor(0x0000FF00);
    line.SetEnds(0, 240, 45, 240); // (0, 16) to (3, 16)
    box.SetBorderStyle(1);
    box.SetPicture(disc);
    box.add_windowless(&label);
    box.add_windowless(&image);
    box.add_windowless(&line);
    box.add_windowless(&label); // already there: stays under the image
    const pf::GdiCounts before = pf::gdi_object_counts();
    pf::DoEvents();
    EXPECT_EQ(g_paints, 1) << "the changes paint once";
    EXPECT_EQ(pf::gdi_object_counts(), before);

    struct Row {
        int y, x0, x1;
        const char* expected;
    };
    const Row framed[] = {
        {0, 0, 23, "KKKKKKKKKKKKKKKKKKKKKKKK"},
        {19, 0, 23, "KKKKKKKKKKKKKKKKKKKKKKKK"},
        {1, 0, 1, "KF"},   // the disc's transparent corner shows the face
        {9, 8, 10, "DDD"}, // its middle, one pixel in from the frame
        {12, 17, 23, "FRRRRFK"},
        {14, 17, 23, "FRBBRRK"}, // the image over the label, cut by the frame
        {16, 17, 23, "FFFFFFK"},
        {17, 0, 6, "KGGGGFF"}, // the line, both ends
    };
    for (const Row& r : framed)
        EXPECT_EQ(row(box.hWnd(), r.y, r.x0, r.x1), r.expected) << "framed, row " << r.y;

    pf::DoEvents();
    EXPECT_EQ(g_paints, 1) << "nothing changed, nothing painted";
    box.SetBorderStyle(0);
    box.SetBackColor(0x00FF0000); // blue
    EXPECT_EQ(row(box.hWnd(), 1, 0, 1), "KF") << "not before the pump";
    pf::DoEvents();
    EXPECT_EQ(g_paints, 2);
    EXPECT_EQ(pf::gdi_object_counts(), before);
    const Row plain[] = {
        {0, 0, 1, "BB"}, {8, 7, 9, "DDD"}, {11, 16, 23, "BRRRRBBB"}, {13, 16, 23, "BRBBRRBB"}};
    for (const Row& r : plain)
        EXPECT_EQ(row(box.hWnd(), r.y, r.x0, r.x1), r.expected) << "unframed, row " << r.y;
}

// The right button's rules are the windowless children's, which the control frame shares:
// user_control_test.cpp walks them.
TEST_F(PictureBoxTest, PointerKeysAndFocusInTheStockOrderThenFramedAndDisabled) {
    PictureBox box(parent, {10, 10, 50, 40}); // 40 x 30 px
    record(box);
    pf::DoEvents();
    move(15, 16);
    click();
    click(); // the second press pairs up: a double-click
    later();
    move(20, 20);
    run([] { pf::Input::press(); });
    EXPECT_EQ(pf::GetCapture(), box.hWnd());
    move(100, 90);                     // outside, but captured
    run([] { pf::Input::release(); }); // released outside: no Click
    EXPECT_EQ(pf::GetCapture(), 0u);
    move(90, 80); // over the form: not the box's
    run([] { pf::Input::keyDown(pf::VK_SHIFT); });
    run([] { pf::Input::key('A'); });
    run([] { pf::Input::keyUp(pf::VK_SHIFT); });
    pf::SetFocus(parent);
    EXPECT_EQ(log, "MouseMove 0 0 5 6; GotFocus; MouseDown 1 0 5 6; MouseUp 1 0 5 6; Click; "
                   "DblClick; MouseUp 1 0 5 6; MouseMove 0 0 10 10; MouseDown 1 0 10 10; "
                   "MouseMove 1 0 90 80; MouseUp 1 0 90 80; KeyDown 16 1; KeyDown 65 1; "
                   "KeyPress 65; KeyUp 65 1; KeyUp 16 0; LostFocus");

    // Framed, then disabled: the frame and a disabled box take no input.
    log.clear();
    box.SetBorderStyle(1);
    later();
    move(10, 10); // the frame
    click();
    EXPECT_EQ(pf::GetFocus(), parent) << "a press on the frame takes no focus";
    later();
    move(11, 12);
    click();
    later();
    box.SetEnabled(false);
    EXPECT_EQ(pf::GetFocus(), 0u) << "disabling gives the focus up";
    move(20, 20);
    click();
    box.SetFocus();
    EXPECT_EQ(pf::GetFocus(), 0u) << "a disabled box refuses the focus";
    box.SetEnabled(true);
    box.SetFocus();
    EXPECT_EQ(log, "MouseMove 0 0 0 1; GotFocus; MouseDown 1 0 0 1; MouseUp 1 0 0 1; Click; "
                   "LostFocus; GotFocus");
}

TEST_F(PictureBoxTest, ChildrenTakeThePointerTopFirstInTwips) {
    PictureBox box(parent, {10, 10, 50, 40});
    controls::Label label;
    label.Move(2, 2, 10, 10);
    controls::Image image;
    image.Move(6, 6, 0, 0);
    image.SetPicture(disc); // 16 x 16, over the label's lower right corner
    controls::Line line;    // on top, across the label's press below, and taking no input
    line.SetEnds(0, 45, 300, 45);
    box.add_windowless(&label);
    box.add_windowless(&image);
    box.add_windowless(&line);
    record(box);
    record_pointer(label, "Label ");
    record_pointer(image, "Image ");
    pf::DoEvents();
    move(20, 20); // (10, 10): both; the image is on top
    move(13, 13); // (3, 3): the label only
    run([] { pf::Input::press(); });
    move(40, 40); // the label keeps the press
    run([] { pf::Input::release(); });
    later();
    move(20, 20);
    click();
    later();
    move(45, 35); // (35, 25): the bare surface
    click();
    EXPECT_EQ(log, "Image MouseMove 0 0 60 60; Label MouseMove 0 0 15 15; GotFocus; "
                   "Label MouseDown 1 0 15 15; Label MouseMove 1 0 420 420; "
                   "Label MouseUp 1 0 420 420; Image MouseMove 0 0 60 60; "
                   "Image MouseDown 1 0 60 60; Image MouseUp 1 0 60 60; Image Click; "
                   "MouseMove 0 0 35 25; MouseDown 1 0 35 25; MouseUp 1 0 35 25; Click");
}

} // namespace
