// Opaque labels and lines, and a line letting the pointer through: picture_box_test.cpp.
#include "controls/Image.h"
#include "controls/ImageList.h"
#include "controls/Label.h"
#include "controls/Timer.h"
#include "frame/std_picture.h"
#include "platform/core/unicode.h"
#include "platform/image/image_codec.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/window/message.h"
#include "platform/window/window_system.h"

#include "support/memory_surface.h"
#include "support/raises.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

using namespace paginor;
namespace pf = paginor::platform;

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
    EXPECT_EQ(test::error_of([&] { list.ListImages(u"K"); }), 9) << "keys compare exactly";
    EXPECT_EQ(test::error_of([&] { list.Add(u"", picture.get()); }), 380);
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
        EXPECT_EQ(test::error_of([&] { timer.SetInterval(interval); }), error) << interval;
}

} // namespace
