// GradientButton as a host sees it on a form: the pixels of its bands, face gradient,
// corners, picture and caption in every look, at two screen densities; which property
// changes repaint and what the host hears; its saved properties; and sizes and widths
// that leave a band no room.
#include <paginor/form.h>

#include "drawing/modGradientCtls.h"
#include "frame/drawing_surface.h"
#include "frame/property_bag.h"
#include "frame/std_font.h"
#include "frame/user_control.h"
#include "host/form.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "support/host_form.h"
#include "support/raises.h"
#include "support/raster_golden.h"
#include "testing/gradient_button_look.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

using namespace paginor;
using platform::COLORREF;

namespace {

constexpr const char16_t* kProgId = u"PaginorV2CTL.GradientButton";
constexpr int kAt = 10; // the button's offset in the form, pixels

COLORREF rgb(OLE_COLOR colour) {
    return COLORREF(modGradientCtls::TranslateColor(colour));
}

// Row r of a vertical gradient over n + 1 rows, channel by channel, truncating.
COLORREF ramp(COLORREF c1, COLORREF c2, int r, int n) {
    COLORREF out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = (c1 >> shift) & 0xFF, b = (c2 >> shift) & 0xFF;
        out |= COLORREF(a + (b - a) * r / n) << shift;
    }
    return out;
}

Variant picture(const std::string& file) {
    const std::string path = std::string(PAGINOR_TEST_DATA_DIR) + "/" + file;
    return Variant(LoadPicture(std::u16string(path.begin(), path.end())).value.get());
}

// One button of w x h pixels at (10, 10) of a form, at a density.
struct ButtonForm {
    explicit ButtonForm(LONG tpp, int w = 100, int h = 30) {
        EXPECT_EQ(PaginorSetTwipsPerPixel(tpp, tpp), S_OK);
        form = Form::create(u"Gradient", (w + 2 * kAt) * tpp, (h + 2 * kAt) * tpp).value;
        button = form.add(kProgId, u"gbOne", kAt * tpp, kAt * tpp, w * tpp, h * tpp).value;
    }
    ~ButtonForm() { PaginorSetTwipsPerPixel(15, 15); }
    COLORREF at(int x, int y) const { return form.pixel(kAt + x, kAt + y).value; }
    void look(bool hover, bool pressed) const {
        ASSERT_TRUE(seams::GradientButtonLook::set(button.object(), hover, pressed));
    }
    Form form;
    Control button;
};

class GradientButtonAt : public ::testing::TestWithParam<LONG> {};

TEST_P(GradientButtonAt, DefaultsOnAHundredByThirty) {
    ButtonForm f(GetParam());
    const COLORREF border = rgb(0x80000010), bevel = rgb(0x80000005), back = rgb(0x8000000F);
    const struct {
        int x, y;
        COLORREF want;
    } pixels[] = {
        {0, 0, back},     {99, 0, back},    {0, 29, back},    {99, 29, back},  {1, 1, border},
        {98, 1, border},  {1, 28, border},  {98, 28, border}, {50, 0, border}, {0, 15, border},
        {99, 15, border}, {50, 29, border}, {2, 2, bevel},    {1, 15, bevel},  {2, 15, bevel},
        {97, 15, bevel},  {50, 27, bevel},
    };
    for (const auto& p : pixels)
        EXPECT_EQ(f.at(p.x, p.y), p.want) << p.x << "," << p.y;
    for (int r = 0; r < 24; ++r) { // the face, 94 x 24 at (3, 3)
        const COLORREF want = ramp(0xF3E9DA, 0xFFFFFF, r, 23);
        EXPECT_EQ(f.at(3, 3 + r), want) << r;
        EXPECT_EQ(f.at(96, 3 + r), want) << r;
    }
}

INSTANTIATE_TEST_SUITE_P(Densities, GradientButtonAt, ::testing::Values(15, 12));

// Each state's face pair, top and bottom face row; the picture's place and press offset.
TEST(GradientButtonLooks, FacePairAndPictureByState) {
    ButtonForm f(15);
    ASSERT_TRUE(f.button.put(u"Picture", picture("o2007hover_pic_bluered.bmp")));
    const COLORREF normal[2] = {0xF3E9DA, 0xFFFFFF}, hover[2] = {0xFFD9C3, 0xF3E9DA},
                   down[2] = {0xFFFFFF, 0xFFD9C3};
    const struct {
        const char* what;
        LONG mode;
        bool value, hover, pressed;
        const char16_t* caption;
        const COLORREF* pair;
        int pic_x, pic_y; // where the picture's blue top-left pixel lands
    } rows[] = {
        {"normal", 0, false, false, false, u"", normal, 48, 14},
        {"hover", 0, false, true, false, u"Go", hover, 5, 14},
        {"pressed", 0, false, false, true, u"Go", down, 6, 15},
        {"pressed panel", 2, false, true, true, u"", hover, 49, 15},
        {"check box set", 1, true, false, false, u"Go", down, 6, 15},
        {"check box clear", 1, false, false, false, u"", normal, 48, 14},
        {"panel set", 2, true, false, false, u"Go", normal, 5, 14},
    };
    for (const auto& r : rows) {
        ASSERT_TRUE(f.button.put(u"Mode", Variant(r.mode)));
        ASSERT_TRUE(f.button.put(u"Value", Variant(r.value)));
        ASSERT_TRUE(f.button.put(u"Caption", Variant(r.caption)));
        f.look(r.hover, r.pressed);
        EXPECT_EQ(f.at(20, 3), r.pair[0]) << r.what;
        EXPECT_EQ(f.at(90, 26), r.pair[1]) << r.what;
        EXPECT_EQ(f.at(r.pic_x, r.pic_y), 0xFF0000u) << r.what;
        EXPECT_EQ(f.at(r.pic_x + 3, r.pic_y + 1), 0x0000FFu) << r.what;
    }
}

// A look shown again from the kept ones is what a fresh paint gives, even when something
// it was painted from changed without a setter: the font through its own object, the
// screen's density.
TEST(GradientButtonLooks, KeptLooksFollowWhatTheyArePaintedFrom) {
    const auto font_put = [](const char16_t* name, Variant value) {
        return [=](ButtonForm& f) {
            const Control font{Ref<IDispatch>(f.button.get(u"Font").value.object())};
            ASSERT_TRUE(font.put(name, value));
        };
    };
    const struct {
        const char* what;
        std::function<void(ButtonForm&)> change;
    } rows[] = {
        {"bold through the font", font_put(u"Bold", Variant(true))},
        {"size through the font", font_put(u"Size", Variant(LONG(14)))},
        {"12 twips per pixel", [](ButtonForm&) { PaginorSetTwipsPerPixel(12, 12); }},
    };
    const auto surface_pixels = [](ButtonForm& f) {
        const platform::HDC dc = frame::UserControl::from(f.button.object())->surface().hDC();
        std::vector<COLORREF> out;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 100; ++x)
                out.push_back(platform::GetPixel(dc, x, y));
        return out;
    };
    for (const auto& r : rows) {
        ButtonForm f(15);
        ASSERT_TRUE(f.button.put(u"Caption", u"Go on"));
        f.look(true, false);
        f.look(false, false); // the hover look is kept now
        r.change(f);
        f.look(true, false);
        const std::vector<COLORREF> shown = surface_pixels(f);
        ASSERT_TRUE(f.button.call(u"Refresh"));
        EXPECT_EQ(surface_pixels(f), shown) << r.what;
    }
}

// The caption's ink with each effect against None: ForeColor2 copies one pixel around,
// right-down or left-up, the text in ForeColor on top, and ForeColor reads back as set.
TEST(GradientButtonLooks, FontEffectsAroundTheCaption) {
    ButtonForm f(15);
    ASSERT_TRUE(f.button.put(u"Caption", u"Hm"));
    ASSERT_TRUE(f.button.put(u"ForeColor", Variant(LONG(0))));
    ASSERT_TRUE(f.button.put(u"ForeColor2", Variant(LONG(0x0000FF))));
    auto ink = [&] { // left, top, right, bottom of what differs from the face's left column
        int box[4] = {100, 100, -1, -1};
        for (int y = 3; y < 27; ++y)
            for (int x = 3; x < 97; ++x)
                if (f.at(x, y) != f.at(3, y))
                    box[0] = std::min(box[0], x), box[1] = std::min(box[1], y),
                    box[2] = std::max(box[2], x), box[3] = std::max(box[3], y);
        return std::vector<int>(box, box + 4);
    };
    const std::vector<int> plain = ink();
    ASSERT_LT(plain[0], plain[2]);
    const struct {
        LONG effect;
        int grow[4];
    } rows[] = {{1, {-1, -1, 1, 1}}, {2, {0, 0, 1, 1}}, {3, {-1, -1, 0, 0}}, {7, {0, 0, 0, 0}}};
    for (const auto& r : rows) {
        ASSERT_TRUE(f.button.put(u"FontEffect", Variant(r.effect)));
        const std::vector<int> box = ink();
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(box[i] - plain[i], r.grow[i]) << r.effect << " side " << i;
        EXPECT_EQ(f.button.get(u"ForeColor").value.to_long(), 0);
    }
}

// Bands without room draw nothing, the rest clips, drawing objects balance; sizes from
// nothing to more than a bitmap holds, with a picture larger than the button and a caption
// wider than it on two lines, paint without failing.
TEST(GradientButtonLooks, OddSizesAndWidths) {
    const COLORREF border = rgb(0x80000010), back = rgb(0x8000000F), bevel = rgb(0x80000005);
    const struct {
        const char* what;
        int w, h, border_width, bevel_width;
        int x, y;
        COLORREF want;
    } rows[] = {
        {"height 7: one face row, the halves' sum", 40, 7, 1, 2, 20, 3, 0xF8F3EC},
        {"no border, no bevel: face from the edge", 40, 10, 0, 0, 1, 0, 0xF3E9DA},
        {"no border: inner corner not set", 40, 10, 0, 0, 1, 1, ramp(0xF3E9DA, ~0u, 1, 9)},
        {"no border: outer corner", 40, 10, 0, 0, 39, 9, back},
        {"negative bevel: the face over it", 40, 10, 1, -1, 1, 5, ramp(0xF3E9DA, ~0u, 5, 9)},
        {"2 x 2: the bottom pairs overwrite the top", 2, 2, 1, 2, 1, 0, border},
        {"2 x 2: bottom-left outer pixel", 2, 2, 1, 2, 0, 1, back},
        {"border wider than the button", 40, 10, 32767, 2, 20, 5, border},
        {"border -32768: mid-ramp face", 40, 10, -32768, 0, 20, 5,
         ramp(0xF3E9DA, ~0u, 32773, 65545)},
        {"bevel 32767: border and bevel", 40, 10, 1, 32767, 20, 5, bevel},
        {"0 x 0", 0, 0, 1, 2, -1, -1, 0},
        {"more than a bitmap holds", 9000, 9000, -3, 2, -1, -1, 0},
    };
    const Variant round = picture("o2007hover_pic_normal.png");
    for (const auto& r : rows) {
        // The looks a button keeps are its own until it goes; painting leaks nothing.
        const platform::GdiCounts before = platform::gdi_object_counts();
        std::optional<ButtonForm> form(std::in_place, 15, std::min(r.w, 100), std::min(r.h, 100));
        ButtonForm& f = *form;
        ASSERT_TRUE(f.form.move(u"gbOne", kAt * 15, kAt * 15, r.w * 15, r.h * 15));
        ASSERT_TRUE(f.button.put(u"BorderWidth", Variant(LONG(r.border_width))));
        ASSERT_TRUE(f.button.put(u"BevelWidth", Variant(LONG(r.bevel_width))));
        if (r.x >= 0)
            EXPECT_EQ(f.at(r.x, r.y), r.want) << r.what;
        else {
            ASSERT_TRUE(f.button.put(u"Picture", round));
            ASSERT_TRUE(f.button.put(u"Caption", u"A caption wider than the button\r\nand a line"));
            ASSERT_TRUE(f.button.put(u"FontEffect", Variant(LONG(1))));
        }
        form.reset();
        EXPECT_EQ(platform::gdi_object_counts(), before) << r.what;
    }
}

// What each setter tells the host, and whether it repaints: a pixel scribbled on the
// surface stays until the next paint. Each value changes the look, since a repaint that
// would draw what the surface shows already leaves it alone.
TEST(GradientButtonProperties, ChangeKeysAndRepaints) {
    host::Form form(u"Keys", 1800, 750);
    IDispatch* disp = form.add(kProgId, u"gbOne", 150, 150, 1500, 450);
    const Control button{Ref<IDispatch>(disp)};
    const platform::HDC surface = frame::UserControl::from(disp)->surface().hDC();
    frame::FontDescription larger =
        frame::StdFont::from(button.get(u"Font").value.object())->description();
    larger.size += 2;
    const Ref<frame::StdFont> font = Ref<frame::StdFont>::adopt(frame::StdFont::create(larger));
    const struct {
        const char16_t* name;
        Variant value;
        DISPID key;
        bool repaints;
    } rows[] = {
        {u"Color1", Variant(LONG(0x123456)), 0x6803000C, true},
        {u"BorderWidth", Variant(LONG(3)), 0x68030006, true},
        {u"Caption", Variant(u"Go"), 0x68030002, true},
        {u"ForeColor", Variant(LONG(0xFF)), 0x68030010, true},
        {u"Font", Variant(static_cast<IDispatch*>(font.get())), DISPID_FONT, true},
        {u"Picture", picture("o2007hover_pic_normal.png"), 0x6803000D, true},
        {u"Mode", Variant(LONG(2)), 0x68030001, true}, // a panel: the caption at the top
        {u"Enabled", Variant(false), 0x6803000F, false},
        {u"RepeatInterval", Variant(LONG(100)), DISPID_UNKNOWN, false},
    };
    for (const auto& r : rows) {
        platform::SetPixel(surface, 50, 15, 0x00FF00);
        const size_t before = form.changes().size();
        ASSERT_TRUE(button.put(r.name, r.value)) << r.key;
        ASSERT_EQ(form.changes().size(), before + 1) << r.key;
        EXPECT_EQ(form.changes().back().dispid, r.key);
        EXPECT_EQ(platform::GetPixel(surface, 50, 15) != 0x00FF00u, r.repaints) << r.key;
    }
    const Status negative = button.put(u"RepeatInterval", Variant(LONG(-1)));
    EXPECT_EQ(negative.error.number, 380);
    EXPECT_EQ(negative.error.source, u"PaginorV2CTL.GradientButton");
    EXPECT_EQ(button.get(u"RepeatInterval").value.to_long(), 100);
}

frame::UserControl& control_of(const Control& c) {
    return *frame::UserControl::from(c.object());
}

// Only what differs from its default is saved, in the saving order; a second button reads
// it all back.
TEST(GradientButtonProperties, SavedAndLoadedBack) {
    ButtonForm f(15);
    const std::pair<const char16_t*, Variant> changes[] = {
        {u"Caption", Variant(u"Go")},
        {u"RepeatInterval", Variant(LONG(250))},
        {u"Color1", Variant(LONG(0x102030))},
        {u"BevelWidth", Variant(LONG(2))},
        {u"Value", Variant(true)},
        {u"BorderColor", Variant(LONG(0x80000012))},
        {u"Mode", Variant(LONG(1))},
        {u"Picture", picture("o2007hover_pic_bluered.bmp")},
    };
    for (const auto& [name, value] : changes)
        ASSERT_TRUE(f.button.put(name, value));
    frame::PropertyBag bag;
    control_of(f.button).write_properties(bag);
    std::vector<std::u16string> keys;
    for (const auto& e : bag.entries())
        keys.push_back(e.name);
    EXPECT_EQ(keys, (std::vector<std::u16string>{u"BorderColor", u"Picture", u"Color1", u"Mode",
                                                 u"Value", u"Caption", u"Interval"}));
    Control second = f.form.add(kProgId, u"gbTwo", 0, 0, 600, 300).value;
    control_of(second).read_properties(bag);
    for (const auto& [name, value] : changes) {
        if (value.vt() != VT_DISPATCH) {
            EXPECT_EQ(second.get(name).value.to_long(), value.to_long());
        }
    }
    EXPECT_NE(second.get(u"Picture").value.object(), nullptr);
}

// A key of the wrong kind or out of range ends the reading with its error, naming it;
// the keys read before it keep their values.
TEST(GradientButtonProperties, ABadKeyEndsTheReading) {
    const struct {
        const char16_t* key;
        frame::BagValue value;
        const char* error; // its number, then the source
    } rows[] = {{u"BorderWidth", frame::BagValue::int32(40000), "6 "},
                {u"Value", frame::BagValue::string(u"maybe"), "13 "},
                {u"Interval", frame::BagValue::int32(-5), "380 "}};
    for (const auto& r : rows) {
        ButtonForm f(15);
        frame::PropertyBag bag;
        bag.append({u"Color1", frame::BagValue::colour(0x010203)});
        bag.append({r.key, r.value});
        const std::string error = test::raised([&] { control_of(f.button).read_properties(bag); });
        EXPECT_EQ(error.rfind(r.error, 0), 0u) << error;
        EXPECT_NE(error.find(to_utf8(r.key), error.find(": ")), std::string::npos) << error;
        EXPECT_EQ(f.button.get(u"Color1").value.to_long(), 0x010203);
    }
}

// The looks side by side, pictures to be looked at: normal, hover, pressed, check box
// set, panel (top row, with picture and caption); each font effect and a picture alone
// (bottom row).
TEST(GradientButtonLooks, Golden) {
    EXPECT_EQ(PaginorSetTwipsPerPixel(15, 15), S_OK);
    Form form = Form::create(u"Looks", 5 * 110 * 15, 2 * 40 * 15).value;
    const Variant round = picture("o2007hover_pic_normal.png");
    const struct {
        LONG mode, effect;
        bool value, hover, pressed, with_picture;
        const char16_t* caption;
    } looks[] = {
        {0, 0, false, false, false, true, u"Normal"},
        {0, 0, false, true, false, true, u"Hover"},
        {0, 0, false, false, true, true, u"Pressed"},
        {1, 0, true, false, false, true, u"Checked"},
        {2, 0, false, false, false, true, u"Panel"},
        {0, 1, false, false, false, false, u"Outline"},
        {0, 2, false, false, false, false, u"Shadow"},
        {0, 3, false, false, false, false, u"Emboss"},
        {0, 0, false, false, false, false, u"None"},
        {0, 0, false, false, false, true, u""},
    };
    for (int i = 0; i < 10; ++i) {
        const auto& l = looks[i];
        const std::u16string name = u"gb" + std::u16string(1, char16_t(u'A' + i));
        Control b = form.add(kProgId, name, (5 + 110 * (i % 5)) * 15, (5 + 40 * (i / 5)) * 15,
                             100 * 15, 30 * 15)
                        .value;
        ASSERT_TRUE(b.put(u"Mode", Variant(l.mode)));
        ASSERT_TRUE(b.put(u"FontEffect", Variant(l.effect)));
        ASSERT_TRUE(b.put(u"Value", Variant(l.value)));
        ASSERT_TRUE(b.put(u"Caption", Variant(l.caption)));
        ASSERT_TRUE(b.put(u"ForeColor2", Variant(LONG(0xC08040))));
        if (l.with_picture) {
            ASSERT_TRUE(b.put(u"Picture", round));
        }
        ASSERT_TRUE(seams::GradientButtonLook::set(b.object(), l.hover, l.pressed));
    }
    EXPECT_TRUE(testing_support::MatchesGolden(test::rendered(form, "gradient_button_looks"),
                                               "gradient_button_looks"));
}

} // namespace
