// O2007Check as a host sees it through the public host API: its glyph and events through
// the leave after show, hover, clicks and leave; values that do not toggle; its bag
// through saved forms; its caption at another screen density; bad sizes and a damaged
// background picture.
#include "support/control_form.h"
#include "support/scratch.h"

#include "host/form.h"
#include "platform/raster/gdi.h"
#include "platform/window/window_system.h"

#include <cmath>
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
        {"click on the glyph", [&] { f.button(1, true), f.button(1, false); }, "MouseUp Click",
         "CH", 1},
        {"away", [&] { f.mouse(-6, -6); }, "MouseLeave", "C", 1},
        {"click on the panel right of the caption",
         [&] { f.advance(600), f.mouse(90, 8), f.button(1, true), f.button(1, false); },
         "MouseMove MouseUp Click", "CH", 1},
        {"click on the caption",
         [&] { f.advance(600), f.mouse(20, 8), f.button(1, true), f.button(1, false); },
         "MouseMove MouseUp Click", "H", 0},
        {"writing Value raises nothing", [&] { f.control.put(u"Value", Variant(LONG(2))); }, "",
         "G", 2},
        {"greyed stays on a click",
         [&] { f.advance(600), f.mouse(6, 8), f.button(1, true), f.button(1, false); },
         "MouseMove MouseUp Click", "G", 2},
        {"any other value shows greyed and stays",
         [&] {
             f.control.put(u"Value", Variant(LONG(5)));
             f.advance(600), f.button(1, true), f.button(1, false);
         },
         "MouseUp Click", "G", 5},
        {"away again", [&] { f.mouse(-6, -6); }, "MouseLeave", "G", 5},
    };
    for (const auto& row : rows) {
        row.act();
        EXPECT_EQ(f.events(), row.events) << row.what;
        EXPECT_EQ(glyph(f), row.glyph) << row.what;
        EXPECT_EQ(f.control.get(u"Value").value.to_long(), row.value) << row.what;
    }
}

TEST(O2007CheckLook, WritingValueReportsItsDispid) {
    platform::WindowSystemScope scope;
    host::Form form;
    IDispatch* check = form.add(kCheck, u"c1", 120, 120, 1500, 255);
    ASSERT_EQ(static_cast<_O2007Check*>(check)->put_Value(1), S_OK);
    const std::vector<host::Form::Change> expected{{u"c1", 0x68030003}};
    EXPECT_EQ(form.changes(), expected);
}

std::string saved(const Form& form, const std::filesystem::path& path) {
    EXPECT_TRUE(form.save(path.string()));
    return read_file(path.string());
}

std::string text_in(const Form& form, const std::string& name, const std::filesystem::path& dir) {
    return saved(form, dir / name);
}

// The caption's pixels: the smallest box right of the glyph (which ends before x = 23 at
// 15 and at 12 twips per pixel) holding every dark pixel of the black text.
platform::Image caption_of(ControlForm& f, const std::string& name) {
    const platform::Image all = f.render(name);
    int x0 = all.width, y0 = all.height, x1 = -1, y1 = -1;
    for (int y = 0; y < all.height; ++y)
        for (int x = 23; x < all.width; ++x)
            if (const uint32_t p = all.pixels[size_t(y) * all.width + size_t(x)];
                (p & 0x808080) == 0)
                x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x),
                y1 = std::max(y1, y);
    return x1 < 0 ? platform::Image{} : crop(all, x0, y0, x1 - x0 + 1, y1 - y0 + 1);
}

TEST(O2007CheckBag, SixKeysInOrderRoundTripAndCaptionKeepsItsPixelsAtAnotherDensity) {
    Scratch scratch;
    const auto at = [&](const char* name) { return scratch.dir() / name; };
    platform::Image at15;
    {
        ControlForm f(kCheck, 1500, 300);
        for (const auto& [name, value] :
             {std::pair<const char16_t*, Variant>{u"Caption", u"Keep me"},
              {u"Value", LONG(1)},
              {u"ForeColor", LONG(0)},
              {u"BackColor", LONG(0xFFFFFF)}})
            ASSERT_TRUE(f.control.put(name, value));
        const std::string text = text_in(f.form, "first.frm", scratch.dir());
        size_t last = text.find("Begin PaginorV2CTL.O2007Check c1");
        for (const char* key : {"Caption = String \"Keep me\"", "BackColor = ", "ForeColor = ",
                                "FontBold = ", "Value = String \"1\"", "BackPicture = Nothing"}) {
            const size_t here = text.find(key, last);
            ASSERT_NE(here, std::string::npos) << key;
            last = here;
        }
        Form again = Form::load(at("first.frm").string()).value;
        EXPECT_EQ(text_in(again, "second.frm", scratch.dir()), text) << "byte for byte";
        ControlForm loaded(Form::load(at("first.frm").string()).value);
        at15 = caption_of(loaded, "o2007check_15");
    }
    ASSERT_EQ(PaginorSetTwipsPerPixel(12, 12), S_OK);
    {
        ControlForm loaded(Form::load(at("first.frm").string()).value);
        const platform::Image at12 = caption_of(loaded, "o2007check_12");
        EXPECT_GT(at15.width, 20);
        EXPECT_EQ(at12.width, at15.width);
        EXPECT_EQ(at12.height, at15.height);
        EXPECT_TRUE(at12.pixels == at15.pixels) << "the caption renders identically";
    }
    ASSERT_EQ(PaginorSetTwipsPerPixel(15, 15), S_OK);
}

std::string with(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(O2007CheckBag, ReadErrorsAreIgnoredKeyByKey) {
    Scratch scratch;
    std::string text;
    {
        ControlForm f(kCheck, 1500, 255);
        ASSERT_TRUE(f.control.put(u"Caption", u"Kept"));
        text = text_in(f.form, "base.frm", scratch.dir());
    }
    const struct {
        const char *from, *to;
        LONG value;
    } rows[] = {
        {"Value = String \"0\"", "Value = String \"seven\"", 0},
        {"Value = String \"0\"", "Value = Long 7", 7},
        {"BackPicture = Nothing", "BackPicture = Picture {\n AAAAAAAA\n }", 0},
        {"BackColor = Colour &H80000005&", "BackColor = String \"red\"", 0},
    };
    for (const auto& row : rows) {
        const std::filesystem::path path = scratch.dir() / "damaged.frm";
        std::ofstream(path) << with(text, row.from, row.to);
        Form form = Form::load(path.string()).value;
        ASSERT_TRUE(form) << row.to;
        const Control c = form.control(u"c1").value;
        EXPECT_EQ(c.get(u"Value").value.to_long(), row.value) << row.to;
        EXPECT_EQ(c.get(u"Caption").value.to_string(), u"Kept") << row.to;
    }
}

TEST(O2007CheckBadInput, TinySizesUnevenDensityWideCaption) {
    const struct {
        LONG width, height, tx, ty;
    } rows[] = {{0, 0, 15, 15}, {45, 45, 15, 15}, {300, 255, 12, 15}, {1500, 255, 15, 12}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.width);
        ASSERT_EQ(PaginorSetTwipsPerPixel(row.tx, row.ty), S_OK);
        ControlForm f(kCheck, row.width, row.height);
        ASSERT_TRUE(f.control.put(u"Caption", u"A caption far wider than the box it sits in"));
        const platform::GdiCounts before = platform::gdi_object_counts();
        f.mouse(1, 1), f.button(1, true), f.button(1, false), f.mouse(-6, -6);
        const platform::Image form = f.render("o2007check_bad");
        EXPECT_EQ(platform::gdi_object_counts(), before);
        const int right = int(std::lround((120.0 + row.width) / row.tx));
        const int top = int(std::lround(120.0 / row.ty));
        EXPECT_EQ(form.pixels[size_t(top) * form.width + size_t(right)],
                  form.pixels[size_t(1) * form.width + 1])
            << "the caption is cut at the control's edge";
    }
    ASSERT_EQ(PaginorSetTwipsPerPixel(15, 15), S_OK);
}

} // namespace
