// O2007Check as a host sees it through the public host API: its glyph and events through
// the leave after show, hover, clicks and leave; values that do not toggle; its bag
// through saved forms, damaged keys, and its caption at another screen density.
#include "support/control_form.h"
#include "support/notify_sink.h"
#include "support/scratch.h"
#include "support/test_sink.h"

#include <functional>

using namespace paginor;
using namespace paginor::test;

namespace {

constexpr const char16_t* kCheck = u"PaginorV2CTL.O2007Check";

// The glyph of a 100 x 17 box (glyph at (0, 2)) by three of its pixels: the frame, where a
// tick passes and the middle. Colours 0x00BBGGRR of the glyph tables.
std::string glyph(ControlForm& f) {
    const OLE_COLOR frame = f.pixel(0, 8), tick = f.pixel(3, 8), middle = f.pixel(6, 8);
    const bool hover = frame == 0x1E90D9, ticked = tick == 0x643C1E;
    if (frame != 0x89715D && !hover)
        return "none";
    if (middle == 0xA3968A)
        return "G";
    return std::string(ticked ? "C" : "") + (hover ? "H" : ticked ? "" : "U");
}

TEST(O2007CheckLook, GlyphAndEventsThroughHoverClicksAndLeave) {
    ControlForm f(kCheck, 1500, 255);
    const struct {
        const char* what;
        std::function<void()> act;
        const char *events, *glyph;
        LONG value;
    } rows[] = {
        {"the tracker started at show reports the pointer away", [] {}, "MouseLeave", "U", 0},
        {"onto the glyph", [&] { f.mouse(6, 8); }, "MouseMove", "H", 0},
        {"click on the glyph", [&] { f.click(); }, "MouseUp Click", "CH", 1},
        {"away", [&] { f.mouse(-6, -6); }, "MouseLeave", "C", 1},
        {"click on the panel right of the caption", [&] { f.mouse(90, 8), f.click(); },
         "MouseMove MouseUp Click", "CH", 1},
        {"click on the caption", [&] { f.mouse(20, 8), f.click(); }, "MouseMove MouseUp Click", "H",
         0},
        {"writing Value raises nothing", [&] { f.control.put(u"Value", Variant(LONG(2))); }, "",
         "G", 2},
        {"greyed stays on a click", [&] { f.mouse(6, 8), f.click(); }, "MouseMove MouseUp Click",
         "G", 2},
        {"any other value shows greyed and stays",
         [&] { f.control.put(u"Value", Variant(LONG(5))), f.click(); }, "MouseUp Click", "G", 5},
        {"away again", [&] { f.mouse(-6, -6); }, "MouseLeave", "G", 5},
    };
    for (const auto& row : rows) {
        row.act();
        EXPECT_EQ(f.events(), row.events) << row.what;
        EXPECT_EQ(glyph(f), row.glyph) << row.what;
        EXPECT_EQ(f.control.get(u"Value").value.to_long(), row.value) << row.what;
    }
}

// Writing Value notifies the property-notification sinks under Value's DISPID; a click's
// toggle does not.
TEST(O2007CheckLook, WritingValueNotifiesItsDispidTogglingDoesNot) {
    Lines log;
    NotifySink sink{"sink", log}; // outlives the control, which lets it go when it ends
    ControlForm f(kCheck, 1500, 255);
    ASSERT_NE(advise(f.control.object(), IID_IPropertyNotifySink, sink.unknown()), 0u);
    ASSERT_TRUE(f.control.put(u"Value", Variant(LONG(1))));
    f.mouse(6, 8), f.click();
    EXPECT_EQ(f.control.get(u"Value").value.to_long(), 0);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].rfind("sink " + std::to_string(0x68030003) + " ", 0), 0u) << log[0];
}

// The caption's pixels: the smallest box right of the glyph (which ends before x = 23 at
// 15 and at 12 twips per pixel) holding every dark pixel of the black text.
platform::Image caption_of(ControlForm& f, const std::string& name) {
    const platform::Image all = f.render(name);
    int x0 = all.width, y0 = all.height, x1 = -1, y1 = -1;
    for (int y = 0; y < all.height; ++y)
        for (int x = 23; x < all.width; ++x)
            if ((all.pixels[size_t(y) * all.width + size_t(x)] & 0x808080) == 0)
                x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x),
                y1 = std::max(y1, y);
    return crop(all, x0, y0, x1 - x0 + 1, y1 - y0 + 1);
}

TEST(O2007CheckBag, SixKeysInOrderRoundTripAndCaptionKeepsItsPixelsAtAnotherDensity) {
    Scratch scratch;
    const auto at = [&](const char* name) { return scratch.dir() / name; };
    ControlForm f(kCheck, 1500, 300);
    for (const auto& [name, value] : {std::pair<const char16_t*, Variant>{u"Caption", u"Keep me"},
                                      {u"Value", LONG(1)},
                                      {u"ForeColor", LONG(0)},
                                      {u"BackColor", LONG(0xFFFFFF)}})
        ASSERT_TRUE(f.control.put(name, value));
    const std::string text = f.saved(at("first.frm"));
    expect_in_order(text, "O2007Check c1",
                    {"Caption = String \"Keep me\"", "BackColor = ", "ForeColor = ", "FontBold = ",
                     "Value = String \"1\"", "BackPicture = Nothing"});
    const auto load = [&] { return ControlForm(Form::load(at("first.frm").string()).value); };
    EXPECT_EQ(load().saved(at("second.frm")), text) << "byte for byte";
    ControlForm loaded15 = load();
    const platform::Image at15 = caption_of(loaded15, "o2007check_15");
    ASSERT_EQ(PaginorSetTwipsPerPixel(12, 12), S_OK);
    ControlForm loaded = load();
    const platform::Image at12 = caption_of(loaded, "o2007check_12");
    ASSERT_EQ(PaginorSetTwipsPerPixel(15, 15), S_OK);
    EXPECT_GT(at15.width, 20);
    EXPECT_EQ(at12.width * 1000 + at12.height, at15.width * 1000 + at15.height);
    EXPECT_TRUE(at12.pixels == at15.pixels) << "the caption renders identically";

    const struct { // read errors are passed over key by key
        const char *from, *to;
        LONG value;
    } damages[] = {
        {"Value = String \"1\"", "Value = String \"seven\"", 0},
        {"Value = String \"1\"", "Value = Long 7", 7},
        {"BackPicture = Nothing", "BackPicture = Picture {\n AAAAAAAA\n }", 1},
        {"Caption = String \"Keep me\"", "Caption = Picture {\n AAAAAAAA\n }", 1},
    };
    for (const auto& d : damages) {
        std::string damaged = text;
        std::ofstream(at("first.frm"))
            << damaged.replace(damaged.find(d.from), strlen(d.from), d.to);
        ControlForm again = load();
        EXPECT_EQ(again.control.get(u"Value").value.to_long(), d.value) << d.to;
        EXPECT_EQ(again.control.get(u"ForeColor").value.to_long(), 0) << d.to;
    }
}

} // namespace
