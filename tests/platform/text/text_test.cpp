#include "platform/image/image_codec.h"
#include "platform/text/font.h"
#include "platform/text/text.h"
#include "support/memory_surface.h"
#include "support/raster_golden.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace paginor;
using namespace paginor::platform;
using paginor::testing_support::MatchesGolden;

namespace {

// A white surface.
struct Canvas : paginor::testing_support::MemorySurface {
    Canvas(int width, int height, bool mono = false)
        : MemorySurface(
              width, height, [](int, int) { return 0xFFFFFFu; }, mono) {}
    // Inked (non-white) pixels' bounding box.
    RECT ink() const {
        RECT r{w, h, 0, 0};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (GetPixel(dc, x, y) != 0xFFFFFF)
                    r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
                         std::max(r.bottom, y + 1)};
        return r;
    }
};

// Selects a font for the scope of one drawing and deletes it after.
struct WithFont {
    HDC dc;
    HFONT font;
    HGDIOBJ old;
    WithFont(HDC d, HFONT f) : dc(d), font(f), old(SelectObject(d, f)) {}
    ~WithFont() {
        SelectObject(dc, old);
        DeleteObject(font);
    }
};

} // namespace

// Every face the controls name resolves as the faces' golden shows it; here what it cannot
// show: a name in another case, a style it does not draw and a face nobody has.
TEST(Fonts, NamesResolveToMetricCompatibleFacesAndReadBackAsSet) {
    EXPECT_EQ(substitute_family(u"times new roman"), "Liberation Serif");
    EXPECT_NE(resolve_font_file(u"Arial", true, true).path.find("LiberationSans-BoldItalic"),
              std::string::npos);
    EXPECT_FALSE(resolve_font_file(u"No Such Face 123", false, false).path.empty());

    Canvas c(4, 4);
    WithFont f(c.dc, create_font(u"Trebuchet MS", 8.25, true, false, true));
    EXPECT_EQ(GetTextFace(c.dc), u"Trebuchet MS");
    LOGFONT lf = font_description(f.font);
    EXPECT_EQ(lf.height, -11);
    EXPECT_EQ(lf.weight, FW_BOLD);
    EXPECT_TRUE(lf.underline);
    TEXTMETRIC tm;
    ASSERT_TRUE(GetTextMetrics(c.dc, &tm));
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent); // the heights: the golden's lines
    EXPECT_TRUE(tm.tmUnderlined);
}

// At 15 twips per pixel (8.25 points are 11 pixels, 9 and 10 points 12 and 13): the
// faces' golden and the font read back above.
TEST(Fonts, PointsBecomePixelsThroughTheScreensTwipsPerPixel) {
    set_screen_twips_per_pixel(12);
    EXPECT_EQ(points_to_pixels(8.25), 14);
    HFONT f = create_font(u"Arial", 8.25);
    EXPECT_EQ(font_description(f).height, -14);
    DeleteObject(f);
    set_screen_twips_per_pixel(0); // ignored
    EXPECT_EQ(screen_twips_per_pixel_y(), 12);
    set_screen_twips_per_pixel(15);
}

// Where text lands and the edges of the box an opaque mode fills: the faces' golden.
TEST(Text, ExtentsCaretsAndAnOpaqueBox) {
    Canvas c(120, 30);
    WithFont f(c.dc, create_font(u"Arial", 10));
    SIZE size{};
    ASSERT_TRUE(GetTextExtentPoint32(c.dc, u"Hxg Wy", &size));
    SIZE empty{};
    GetTextExtentPoint32(c.dc, u"", &empty);
    EXPECT_EQ(empty, (SIZE{0, size.cy}));
    const std::vector<int> carets = GetCaretPositions(c.dc, u"Hxg Wy");
    ASSERT_EQ(carets.size(), 7u);
    EXPECT_EQ(carets.front(), 0);
    EXPECT_EQ(carets.back(), size.cx);
    EXPECT_TRUE(std::is_sorted(carets.begin(), carets.end()));
    EXPECT_TRUE(GetCaretPositions(0, u"x").empty());
    SetBkColor(c.dc, RGB(0, 0, 255)); // opaque by default
    TextOut(c.dc, 10, 5, u"Hxg Wy");
    EXPECT_EQ(GetPixel(c.dc, 10, 5), RGB(0, 0, 255));
}

TEST(Text, HardEdgedOnMonochrome) {
    Canvas mono(80, 20, true);
    WithFont f(mono.dc, create_font(u"Arial", 10));
    SetBkMode(mono.dc, TRANSPARENT);
    TextOut(mono.dc, 2, 2, u"Mono");
    EXPECT_TRUE(MatchesGolden(image_from_dc(mono.dc), "text_mono"));
}

TEST(DrawText, FormattingFlags) {
    Canvas c(100, 60);
    WithFont f(c.dc, create_font(u"Arial", 8.25));
    TEXTMETRIC tm;
    GetTextMetrics(c.dc, &tm);
    SIZE size{};
    GetTextExtentPoint32(c.dc, u"Find", &size);

    // The rectangle DT_CALCRECT makes of r for the text.
    auto calc = [&](std::u16string_view text, RECT r, UINT flags) {
        DrawText(c.dc, text, &r, DT_CALCRECT | flags);
        return r;
    };
    RECT at5{5, 5, 5, 5};
    EXPECT_EQ(DrawText(c.dc, u"Find", &at5, DT_CALCRECT | DT_SINGLELINE), tm.tmHeight);
    EXPECT_EQ(at5, (RECT{5, 5, 5 + size.cx, 5 + tm.tmHeight}));
    EXPECT_EQ(c.ink().right, 0) << "DT_CALCRECT draws nothing";

    // Two lines by CR/LF, three by word break in a narrow box.
    EXPECT_EQ(calc(u"Find\r\nagain", {0, 0, 100, 0}, 0).bottom, 2 * tm.tmHeight);
    RECT narrow = calc(u"Find Find Find", {0, 0, size.cx + 2, 0}, DT_WORDBREAK);
    EXPECT_EQ(narrow.bottom, 3 * tm.tmHeight);
    EXPECT_LE(narrow.right, size.cx + 2);
    // "&&" is one ampersand and "&F" marks F: same extent as the plain text.
    EXPECT_EQ(calc(u"&Find", {}, DT_SINGLELINE).right, size.cx);
    EXPECT_GT(calc(u"&Find", {}, DT_SINGLELINE | DT_NOPREFIX).right, size.cx);
    // Ellipsis keeps the line inside the box.
    RECT cut =
        calc(u"A long caption that cannot fit", {0, 0, 40, 20}, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_LE(cut.right, 40);
    EXPECT_GT(cut.right, 20);

    // Vertical centre: the return value is the offset to the text's bottom.
    RECT box{0, 0, 100, 40};
    SetBkMode(c.dc, TRANSPARENT);
    int bottom = DrawText(c.dc, u"Find", &box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    EXPECT_EQ(bottom, (40 - tm.tmHeight) / 2 + tm.tmHeight); // placed as the golden shows
    // Clipped to the rectangle unless DT_NOCLIP.
    fill_solid(c.dc, {0, 0, 100, 60}, 0xFFFFFF);
    RECT clip{10, 10, 14, 30};
    DrawText(c.dc, u"WWWW", &clip, DT_SINGLELINE);
    EXPECT_GE(c.ink().left, 10);
    EXPECT_LE(c.ink().right, 14);
    DrawText(c.dc, u"WWWW", &clip, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(c.ink().right, 14);
    EXPECT_EQ(DrawText(c.dc, u"x", nullptr, 0), 0);
}

TEST(TextGolden, FacesStylesAndLayout) {
    Canvas c(260, 150);
    struct Line {
        std::u16string_view face;
        double points;
        bool bold, italic, underline, strike;
    };
    const Line lines[] = {
        {u"Trebuchet MS", 8.25, false, false, false, false},
        {u"MS Sans Serif", 8.25, false, false, false, false},
        {u"Times New Roman", 10, false, false, false, false},
        {u"Tahoma", 8.25, true, false, false, false},
        {u"Arial", 9, false, true, true, false},
        {u"Verdana", 8.25, false, false, false, true},
        {u"Courier New", 9, false, false, false, false},
    };
    SetBkMode(c.dc, TRANSPARENT);
    int y = 2;
    for (const Line& l : lines) {
        WithFont f(c.dc, create_font(l.face, l.points, l.bold, l.italic, l.underline, l.strike));
        TextOut(c.dc, 4, y, std::u16string(l.face) + u": Search 123 \u00C4\u00F6\u00FC");
        TEXTMETRIC tm;
        GetTextMetrics(c.dc, &tm);
        y += tm.tmHeight + 1;
    }
    // DrawText in framed boxes: centred, right-aligned opaque, ellipsis and word break.
    WithFont f(c.dc, create_font(u"Arial", 8.25));
    HBRUSH frame = CreateSolidBrush(RGB(160, 160, 160));
    const RECT boxes[] = {
        {4, 112, 64, 132}, {68, 112, 128, 132}, {132, 112, 192, 132}, {196, 104, 256, 148}};
    for (const RECT& b : boxes)
        FrameRect(c.dc, {b.left - 1, b.top - 1, b.right + 1, b.bottom + 1}, frame);
    DeleteObject(frame);
    RECT r0 = boxes[0], r1 = boxes[1], r2 = boxes[2], r3 = boxes[3];
    SetTextColor(c.dc, RGB(0, 0, 160));
    DrawText(c.dc, u"&Centre", &r0, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    SetBkMode(c.dc, OPAQUE);
    SetBkColor(c.dc, RGB(255, 255, 180));
    DrawText(c.dc, u"Right", &r1, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
    SetBkMode(c.dc, TRANSPARENT);
    SetTextColor(c.dc, RGB(160, 0, 0));
    DrawText(c.dc, u"Ellipsis cuts this", &r2, DT_SINGLELINE | DT_END_ELLIPSIS | DT_VCENTER);
    SetTextColor(c.dc, 0);
    DrawText(c.dc, u"Word break wraps words", &r3, DT_WORDBREAK | DT_CENTER);
    EXPECT_TRUE(MatchesGolden(image_from_dc(c.dc), "text_faces"));
}
