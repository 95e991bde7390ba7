// HoverButton as a host sees it through the public host API: its frame lines by focus,
// hover and press; icon and caption for each IconLocation at rest and pressed (one golden
// picture); Click versus PopClick; its bag through saved forms; and bad sizes, pictures
// and densities.
#include "support/control_form.h"
#include "support/raster_golden.h"
#include "support/scratch.h"

#include "platform/raster/colour.h"
#include "platform/raster/gdi.h"

#include <array>
#include <cmath>
#include <functional>

using namespace paginor;
using namespace paginor::test;

namespace {

constexpr const char16_t* kButton = u"PaginorV2CTL.HoverButton";
const std::string kData = PAGINOR_TEST_DATA_DIR;

OLE_COLOR sys(OLE_COLOR c) {
    platform::COLORREF rgb = 0;
    EXPECT_EQ(platform::OleTranslateColor(c, 0, &rgb), S_OK);
    return rgb;
}

Ref<IDispatch> load(const std::string& path) {
    return LoadPicture(std::u16string(path.begin(), path.end())).value;
}

// A 100 x 24 button on a white surface; probes at its top, left, inner and outer bottom,
// inner and outer right edges. Unfocused, only the inner lines fall inside the control.
TEST(HoverButtonLook, FrameLinesByFocusHoverAndPress) {
    ControlForm f(kButton, 1500, 360);
    ASSERT_TRUE(f.control.put(u"BackColor", Variant(LONG(0xFFFFFF))));
    const OLE_COLOR w = 0xFFFFFF, hl = sys(0x80000014), sh = sys(0x80000010);
    const OLE_COLOR dk = sys(0x80000015), face = sys(0x8000000F);
    const std::array<OLE_COLOR, 6> blank{w, w, w, w, w, w}, raised{hl, hl, sh, dk, sh, dk};
    const struct {
        const char* what;
        std::function<void()> act;
        std::array<OLE_COLOR, 6> seen;
    } rows[] = {
        {"unfocused at rest", [] {}, blank},
        {"unfocused hovered", [&] { f.mouse(50, 12); }, {w, w, w, sh, w, sh}},
        {"left", [&] { f.mouse(-6, -6); }, blank},
        {"focused at rest", [&] { ASSERT_TRUE(f.form.focus(u"c1")); }, blank},
        {"focused hovered", [&] { f.mouse(50, 12); }, raised},
        {"pressed", [&] { f.button(1, true); }, {sh, sh, face, sh, face, sh}},
        {"released", [&] { f.button(1, false); }, raised},
        {"Unhover hides it under the pointer", [&] { f.control.call(u"Unhover"); }, blank},
        {"the next hover report brings it back", [&] { f.advance(500); }, raised},
    };
    for (const auto& row : rows) {
        row.act();
        const std::array<OLE_COLOR, 6> seen{f.pixel(50, 0),  f.pixel(0, 12),  f.pixel(50, 22),
                                            f.pixel(50, 23), f.pixel(98, 12), f.pixel(99, 12)};
        EXPECT_EQ(seen, row.seen) << row.what;
    }
    EXPECT_EQ(f.events(), "Click");
}

TEST(HoverButtonEvents, RightReleaseRaisesPopClickAnyOtherClick) {
    ControlForm f(kButton, 1500, 360);
    f.mouse(50, 12);
    for (const auto& [button, event] :
         {std::pair<SHORT, const char*>{1, "Click"}, {2, "PopClick"}, {4, "Click"}}) {
        f.button(button, true);
        f.mouse(200, 40); // released away from the button: the event follows the release
        f.button(button, false);
        EXPECT_EQ(f.events(), event) << button;
        f.mouse(50, 12);
    }
    f.form.key(13, true), f.form.key(13, false);
    f.form.key(32, true), f.form.key(32, false);
    EXPECT_EQ(f.events(), "Click") << "Space alone clicks";
}

// Rest (unfocused, not hovered) in the left column, pressed in the right, one row per
// IconLocation from ILNone to ILBottom, each with two pixels of the form around it.
TEST(HoverButtonLook, IconAndCaptionForEachLocationAtRestAndPressed) {
    ControlForm f(kButton, 1500, 360);
    ASSERT_TRUE(f.control.put(u"PromptPicture", load(kData + "/o2007hover_pic_normal.png").get()));
    ASSERT_TRUE(f.control.put(u"Caption", u"Save"));
    platform::Image all;
    all.width = 2 * 104, all.height = 5 * 28, all.format = platform::ImageFormat::Png;
    all.pixels.assign(size_t(all.width) * all.height, 0xFF000000u);
    const auto paste = [&](const platform::Image& part, int column, int row) {
        for (int y = 0; y < part.height; ++y)
            for (int x = 0; x < part.width; ++x)
                all.pixels[size_t(row * 28 + y) * all.width + size_t(column * 104 + x)] =
                    part.pixels[size_t(y) * part.width + size_t(x)];
    };
    for (int pressed = 0; pressed < 2; ++pressed)
        for (LONG location = 0; location < 5; ++location) {
            ASSERT_TRUE(f.control.put(u"IconLocation", Variant(location)));
            if (pressed) // apart by more than the double-click time
                f.advance(600), f.mouse(50, 12), f.button(1, true);
            const platform::Image form = f.render("hoverbutton_location");
            paste(crop(form, ControlForm::kAt - 2, ControlForm::kAt - 2, 104, 28), pressed,
                  int(location));
            if (pressed)
                f.button(1, false), f.mouse(-6, -6);
        }
    EXPECT_TRUE(testing_support::MatchesGolden(all, "hoverbutton_locations"));
}

std::string saved(const Form& form, const std::filesystem::path& path) {
    EXPECT_TRUE(form.save(path.string()));
    return read_file(path.string());
}

TEST(HoverButtonBag, AllSevenKeysInOrderRoundTripAndBadKeysKeepNewValues) {
    Scratch scratch;
    const auto at = [&](const char* name) { return scratch.dir() / name; };
    ControlForm f(kButton, 1500, 360);
    const std::string fresh = saved(f.form, at("fresh.frm"));
    const char* keys[] = {"PromptPicture = ", "IconLocation = ", "Caption = ", "BackColor = ",
                          "ForeColor = ",     "FontBold = ",     "Enabled = "};
    size_t last = fresh.find("Begin PaginorV2CTL.HoverButton c1");
    for (const char* key : keys) {
        const size_t here = fresh.find(key, last);
        ASSERT_NE(here, std::string::npos) << key << " is always written";
        EXPECT_GT(here, last) << key;
        last = here;
    }
    ASSERT_TRUE(f.control.put(u"PromptPicture", load(kData + "/o2007hover_pic_hover.png").get()));
    const std::pair<const char16_t*, Variant> values[] = {
        {u"IconLocation", LONG(7)},       {u"Caption", u"Open"}, {u"BackColor", LONG(0x00FF00)},
        {u"ForeColor", LONG(0x80000008)}, {u"FontBold", true},   {u"Enabled", false}};
    for (const auto& [name, value] : values)
        ASSERT_TRUE(f.control.put(name, value));
    const std::string first = saved(f.form, at("first.frm"));
    {
        Form again = Form::load(at("first.frm").string()).value;
        EXPECT_EQ(saved(again, at("second.frm")), first) << "byte for byte";
    }
    std::string damaged = first;
    const std::string good = "IconLocation = Long 7";
    ASSERT_NE(damaged.find(good), std::string::npos);
    damaged.replace(damaged.find(good), good.size(), "IconLocation = String \"left\"");
    std::ofstream(at("damaged.frm")) << damaged;
    Form loaded = Form::load(at("damaged.frm").string()).value;
    const Control c = loaded.control(u"c1").value;
    EXPECT_EQ(c.get(u"IconLocation").value.to_long(), 1) << "the new-instance value";
    EXPECT_EQ(c.get(u"Caption").value.to_string(), u"Open") << "later keys still read";
    EXPECT_FALSE(c.get(u"Enabled").value.to_bool());
}

TEST(HoverButtonBadInput, TinySizesHugeIconsUnevenDensityWideCaption) {
    Scratch scratch;
    const auto icon = [&](int side) {
        platform::Image image;
        image.width = image.height = side, image.format = platform::ImageFormat::Png;
        image.pixels.assign(size_t(side) * side, 0xFFFF0000u);
        const std::string path = (scratch.dir() / (std::to_string(side) + ".png")).string();
        platform::save_png(image, path);
        return load(path);
    };
    const struct {
        LONG width, height, icon, tx, ty;
    } rows[] = {{0, 0, 16, 15, 15},
                {45, 45, 1, 15, 15},
                {1500, 360, 500, 15, 15},
                {1500, 360, 1, 12, 15},
                {45, 45, 500, 15, 12}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.width) + " icon " + std::to_string(row.icon));
        ASSERT_EQ(PaginorSetTwipsPerPixel(row.tx, row.ty), S_OK);
        {
            ControlForm f(kButton, row.width, row.height);
            ASSERT_TRUE(f.control.put(u"PromptPicture", icon(row.icon).get()));
            ASSERT_TRUE(f.control.put(u"Caption", u"A caption far wider than any button here"));
            const platform::GdiCounts before = platform::gdi_object_counts();
            for (LONG location = 0; location < 5; ++location) {
                f.control.put(u"IconLocation", Variant(location));
                f.mouse(1, 1), f.button(1, true), f.mouse(2, 2), f.button(1, false);
                f.mouse(-6, -6);
            }
            const platform::Image form = f.render("hoverbutton_bad");
            EXPECT_EQ(platform::gdi_object_counts(), before);
            const OLE_COLOR back = f.form.pixel(1, 1).value;
            const int left = int(std::lround(120.0 / row.tx)),
                      top = int(std::lround(120.0 / row.ty));
            const int right = int(std::lround((120.0 + row.width) / row.tx));
            const int below = int(std::lround((120.0 + row.height) / row.ty));
            for (const auto& [x, y] :
                 {std::pair{right, top + 1}, {left + 1, below}, {right, below}})
                EXPECT_EQ(form.pixels[size_t(y) * form.width + size_t(x)] & 0xFFFFFF,
                          ((back & 0xFF) << 16) | (back & 0xFF00) | (back >> 16 & 0xFF))
                    << "nothing drawn outside the control at " << x << ", " << y;
        }
    }
    ASSERT_EQ(PaginorSetTwipsPerPixel(15, 15), S_OK);
}

} // namespace
