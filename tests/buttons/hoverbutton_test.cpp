// HoverButton as a host sees it through the public host API: its frame lines by focus,
// hover and press with the events of each release; icon and caption for each IconLocation
// at rest and pressed (one golden picture); its bag through saved forms.
#include "support/control_form.h"
#include "support/raster_golden.h"
#include "support/scratch.h"

#include "platform/raster/colour.h"

#include <array>
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
TEST(HoverButtonLook, FrameLinesAndEventsByFocusHoverAndPress) {
    ControlForm f(kButton, 1500, 360);
    ASSERT_TRUE(f.control.put(u"BackColor", Variant(LONG(0xFFFFFF))));
    const OLE_COLOR w = 0xFFFFFF, hl = sys(0x80000014), sh = sys(0x80000010);
    const OLE_COLOR dk = sys(0x80000015), face = sys(0x8000000F);
    const std::array<OLE_COLOR, 6> blank{w, w, w, w, w, w}, raised{hl, hl, sh, dk, sh, dk};
    const auto release_away = [&](SHORT b) { f.mouse(120, 40), f.button(b, false); };
    const struct {
        const char* what;
        std::function<void()> act;
        std::array<OLE_COLOR, 6> seen;
        const char* events;
    } rows[] = {
        {"unfocused at rest", [] {}, blank, ""},
        {"unfocused hovered", [&] { f.mouse(50, 12); }, {w, w, w, sh, w, sh}, ""},
        {"left", [&] { f.mouse(-6, -6); }, blank, ""},
        {"focused at rest", [&] { ASSERT_TRUE(f.form.focus(u"c1")); }, blank, ""},
        {"focused hovered", [&] { f.mouse(50, 12); }, raised, ""},
        {"pressed", [&] { f.button(1, true); }, {sh, sh, face, sh, face, sh}, ""},
        {"released", [&] { f.button(1, false); }, raised, "Click"},
        {"Unhover hides it under the pointer", [&] { f.control.call(u"Unhover"); }, blank, ""},
        {"the next hover report brings it back", [&] { f.advance(500); }, raised, ""},
        {"right release away", [&] { f.button(2, true), release_away(2); }, blank, "PopClick"},
        {"middle release away", [&] { f.mouse(50, 12), f.button(4, true), release_away(4); }, blank,
         "Click"},
        {"Enter, then Space",
         [&] {
             f.form.key(13, true), f.form.key(13, false), f.form.key(32, true),
                 f.form.key(32, false);
         },
         blank, "Click"},
    };
    for (const auto& row : rows) {
        row.act();
        const std::array<OLE_COLOR, 6> seen{f.pixel(50, 0),  f.pixel(0, 12),  f.pixel(50, 22),
                                            f.pixel(50, 23), f.pixel(98, 12), f.pixel(99, 12)};
        EXPECT_EQ(seen, row.seen) << row.what;
        EXPECT_EQ(f.events(), row.events) << row.what;
    }
}

// Rest (unfocused, not hovered) in the left column, pressed in the right, one row per
// IconLocation from ILNone to ILBottom, each with two pixels of the form around it.
TEST(HoverButtonLook, IconAndCaptionForEachLocationAtRestAndPressed) {
    ControlForm f(kButton, 1500, 360);
    ASSERT_TRUE(f.control.put(u"PromptPicture", load(kData + "/o2007hover_pic_normal.png").get()));
    ASSERT_TRUE(f.control.put(u"Caption", u"Save"));
    platform::Image all = crop({}, 0, 0, 2 * 104, 5 * 28);
    for (int pressed = 0; pressed < 2; ++pressed)
        for (LONG location = 0; location < 5; ++location) {
            ASSERT_TRUE(f.control.put(u"IconLocation", Variant(location)));
            if (pressed)
                f.advance(600), f.mouse(50, 12), f.button(1, true);
            const platform::Image part = crop(f.render("hoverbutton_location"),
                                              ControlForm::kAt - 2, ControlForm::kAt - 2, 104, 28);
            for (int y = 0; y < 28; ++y)
                std::copy_n(&part.pixels[size_t(y) * 104], 104,
                            &all.pixels[size_t(location * 28 + y) * all.width + pressed * 104]);
            if (pressed)
                f.button(1, false), f.mouse(-6, -6);
        }
    EXPECT_TRUE(testing_support::MatchesGolden(all, "hoverbutton_locations"));
}

TEST(HoverButtonBag, AllSevenKeysInOrderRoundTripAndBadKeysKeepNewValues) {
    Scratch scratch;
    const auto at = [&](const char* name) { return scratch.dir() / name; };
    ControlForm f(kButton, 1500, 360);
    const std::initializer_list<const char*> keys = {
        "PromptPicture = ", "IconLocation = ", "Caption = ", "BackColor = ",
        "ForeColor = ",     "FontBold = ",     "Enabled = "};
    expect_in_order(f.saved(at("fresh.frm")), "HoverButton c1", keys);
    ASSERT_TRUE(f.control.put(u"PromptPicture", load(kData + "/o2007hover_pic_hover.png").get()));
    for (const auto& [name, value] : {std::pair<const char16_t*, Variant>{u"IconLocation", LONG(7)},
                                      {u"Caption", u"Open"},
                                      {u"BackColor", LONG(0x00FF00)},
                                      {u"ForeColor", LONG(0x80000008)},
                                      {u"FontBold", true},
                                      {u"Enabled", false}})
        ASSERT_TRUE(f.control.put(name, value));
    std::string first = f.saved(at("first.frm"));
    expect_in_order(first, "HoverButton c1", keys);
    EXPECT_EQ(ControlForm(Form::load(at("first.frm").string()).value).saved(at("second.frm")),
              first)
        << "byte for byte";
    const std::string good = "IconLocation = Long 7";
    ASSERT_NE(first.find(good), std::string::npos);
    std::ofstream(at("damaged.frm"))
        << first.replace(first.find(good), good.size(), "IconLocation = String \"left\"");
    ControlForm loaded(Form::load(at("damaged.frm").string()).value);
    EXPECT_EQ(loaded.control.get(u"IconLocation").value.to_long(), 1) << "the new-instance value";
    EXPECT_EQ(loaded.control.get(u"Caption").value.to_string(), u"Open") << "later keys read";
    EXPECT_FALSE(loaded.control.get(u"Enabled").value.to_bool());
}

} // namespace
