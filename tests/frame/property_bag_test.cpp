// The font late-bound is in font_notify_test.cpp.
#include "frame/form_file.h"
#include "frame/property_bag.h"
#include "frame/std_font.h"
#include "frame/std_picture.h"
#include "platform/core/error.h"
#include "platform/core/unicode.h"
#include "platform/raster/bitmap.h"
#include "platform/window/window_system.h"
#include "support/late_bound.h"
#include "support/memory_surface.h"
#include "support/raises.h"

#include <gtest/gtest.h>

#include <functional>

using namespace paginor;
using namespace paginor::frame;
using test::error_of;
using test::LateCall;
using test::long_arg;

namespace {

TEST(PropertyBag, DefaultsAreNotStoredAndWritesKeepTheirPlace) {
    PropertyBag bag;
    bag.WriteProperty(u"A", BagValue::int32(1));
    bag.WriteProperty(u"B", BagValue::boolean(true), BagValue::boolean(true)); // = default
    bag.WriteProperty(u"C", BagValue::string(u"x"), BagValue::string(u""));
    bag.WriteProperty(u"a", BagValue::int32(2)); // same key, any case: replaced in place
    const std::vector<BagEntry> expected{{u"A", BagValue::int32(2)},
                                         {u"C", BagValue::string(u"x")}};
    EXPECT_EQ(bag.entries(), expected);
    bag.WriteProperty(u"C", BagValue::string(u""), BagValue::string(u"")); // back to default
    EXPECT_EQ(bag.entries().size(), 1u);
    EXPECT_EQ(bag.ReadProperty(u"missing", BagValue::int16(7)), BagValue::int16(7));
}

TEST(PropertyBag, TypedReadsConvertOrRaise) {
    PropertyBag bag;
    bag.append({u"Big", BagValue::int32(40000)});
    bag.append({u"Small", BagValue::int16(-5)});
    bag.append({u"Text", BagValue::string(u"12")});
    bag.append({u"Word", BagValue::string(u"twelve")});
    bag.append({u"Pic", BagValue::picture({1, 2, 3})});
    bag.append({u"Flag", BagValue::boolean(true)});
    struct Case {
        const char* what;
        std::function<void()> call;
        int error;
    };
    const Case cases[] = {
        {"int32 into int16 overflows", [&] { bag.read_int16(u"Big", 0); }, 6},
        {"int32 read as int32", [&] { EXPECT_EQ(bag.read_int32(u"Big", 0), 40000); }, 0},
        {"int16 widens", [&] { EXPECT_EQ(bag.read_int32(u"Small", 0), -5); }, 0},
        {"numeric text converts", [&] { EXPECT_EQ(bag.read_int16(u"Text", 0), 12); }, 0},
        {"other text mismatches", [&] { bag.read_int32(u"Word", 0); }, 13},
        {"picture is no number", [&] { bag.read_colour(u"Pic", 0); }, 13},
        {"picture is no string", [&] { bag.read_string(u"Pic", u""); }, 13},
        {"number is no picture", [&] { bag.read_picture(u"Big"); }, 13},
        {"damaged picture stream", [&] { bag.read_picture(u"Pic"); }, 481},
        {"boolean as string", [&] { EXPECT_EQ(bag.read_string(u"Flag", u""), u"True"); }, 0},
        {"missing gives default", [&] { EXPECT_EQ(bag.read_boolean(u"None", true), true); }, 0},
        {"empty name", [&] { bag.read_int32(u"", 0); }, 380},
        {"empty name on write", [&] { bag.WriteProperty(u"", BagValue::none()); }, 380},
    };
    for (const Case& c : cases)
        EXPECT_EQ(error_of(c.call), c.error) << c.what;
}

FormRecord sample() {
    FormRecord form{u"Search", 4800, 1200.5};
    FormControlRecord c{u"PaginorV2CTL.O2007Hover", u"hOne", {}, 120, 60, 360, 360};
    c.bag.append({u"Pic", BagValue::picture(std::vector<uint8_t>(70, 0xAB))});
    c.bag.append({u"None", BagValue::none()});
    c.bag.append({u"Short", BagValue::int16(-32768)});
    c.bag.append({u"Long", BagValue::int32(2147483647)});
    c.bag.append({u"Flag", BagValue::boolean(false)});
    c.bag.append({u"Colour", BagValue::colour(0x8000000F)});
    c.bag.append({u"Text", BagValue::string(u"say \"hi\" \u00e9")});
    form.controls.push_back(c);
    form.controls.push_back({c.progid, u"hTwo", u"hOne", 120, 60, 360, 360});
    return form;
}

TEST(FormFile, WritesReadableTextAndReadsItBack) {
    const std::string text = write_form_file(sample());
    EXPECT_EQ(text, "PaginorForm 1\n"
                    "Begin Form Search\n"
                    "    Width = 4800\n"
                    "    Height = 1200.5\n"
                    "    BackColor = &H8000000F&\n"
                    "    Begin PaginorV2CTL.O2007Hover hOne\n"
                    "        Left = 120\n"
                    "        Top = 60\n"
                    "        Width = 360\n"
                    "        Height = 360\n"
                    "        Pic = Picture {\n"
                    "            q6urq6urq6urq6urq6urq6urq6urq6urq6urq6urq6urq6urq6urq6urq6urq6ur\n"
                    "            q6urq6urq6urq6urq6urq6urq6urqw==\n"
                    "        }\n"
                    "        None = Nothing\n"
                    "        Short = Integer -32768\n"
                    "        Long = Long 2147483647\n"
                    "        Flag = Boolean False\n"
                    "        Colour = Colour &H8000000F&\n"
                    "        Text = String \"say \"\"hi\"\" \xe9\"\n"
                    "    End\n"
                    "    Begin PaginorV2CTL.O2007Hover hTwo\n"
                    "        Container = \"hOne\"\n"
                    "        Left = 120\n"
                    "        Top = 60\n"
                    "        Width = 360\n"
                    "        Height = 360\n"
                    "    End\n"
                    "End\n");
    FormRecord back;
    const FormFileResult r = read_form_file(text, back);
    EXPECT_TRUE(r.ok()) << to_utf8(r.description);
    EXPECT_EQ(back, sample());
}

TEST(FormFile, DamagedEntriesNameTheLineAndEntry) {
    const std::string good = write_form_file(sample());
    struct Case {
        const char* what;
        std::string from, to;
        int line;
        std::u16string entry;
    };
    const Case cases[] = {
        {"not a form file", "PaginorForm 1", "Something else", 1, u"header"},
        {"unknown kind", "Flag = Boolean False", "Flag = Maybe False", 18, u"Flag"},
        {"Integer out of range", "Integer -32768", "Integer -32769", 16, u"Short"},
        {"Long out of range", "Long 2147483647", "Long 2147483648", 17, u"Long"},
        {"broken string", "\"say \"\"hi", "\"say \"hi", 20, u"Text"},
        {"bad base64", "qw==", "q*==", 14, u"Pic"},
        {"bad colour", "Colour &H8000000F&", "Colour 8000000F", 19, u"Colour"},
        {"no equals sign", "Top = 60\n        Width", "Top 60\n        Width", 8, u"Top 60"},
        {"unknown form entry", "    Height = 1200.5", "    Depth = 1200.5", 4, u"Depth"},
        {"block left open", "    End\nEnd\n", "", 28, u"End"},
    };
    for (const Case& c : cases) {
        std::string text = good;
        const size_t at = text.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.what;
        text.replace(at, c.from.size(), c.to);
        FormRecord out;
        const FormFileResult r = read_form_file(text, out);
        EXPECT_FALSE(r.ok()) << c.what;
        EXPECT_EQ(r.line, c.line) << c.what << ": " << to_utf8(r.description);
        EXPECT_EQ(r.entry, c.entry) << c.what;
    }
}

std::u16string data(const char* name) {
    return from_utf8(std::string(PAGINOR_TEST_DATA_DIR "/") + name);
}

TEST(StdPicture, MembersLateBoundAndRender) {
    platform::WindowSystemScope scope;
    StdPicture* pic = LoadPicture(data("o2007hover_pic_bluered.bmp"));
    ASSERT_NE(pic, nullptr);
    struct Row {
        const char16_t* name;
        VARTYPE vt;
        LONG value;
    };
    // 4 x 2 px at 15 twips per pixel (96 per inch): 4 * 2540 / 96 = 105.8 -> 106 HIMETRIC.
    const Row rows[] = {{u"Width", VT_I4, 106}, {u"Height", VT_I4, 53}, {u"Type", VT_I2, 1}};
    for (const Row& r : rows) {
        LateCall v(pic, r.name);
        ASSERT_EQ(v.hr, S_OK);
        EXPECT_EQ(v.result.vt(), r.vt);
        EXPECT_EQ(r.vt == VT_I2 ? v.result->iVal : v.result->lVal, r.value) << to_utf8(r.name);
    }
    LateCall handle(pic, u"Handle");
    ASSERT_EQ(handle.hr, S_OK);
    EXPECT_EQ(platform::GetBitmapDimension(platform::HBITMAP(handle.result->lVal)).cx, 4);
    EXPECT_EQ(LateCall(pic, u"Depth").hr, DISP_E_UNKNOWNNAME);

    {
        testing_support::MemorySurface target(8, 2);
        // Render(hdc, x, y, cx, cy)
        ASSERT_EQ(LateCall(pic, 6, DISPATCH_METHOD,
                           {long_arg(LONG(target.dc)), long_arg(0), long_arg(0), long_arg(8),
                            long_arg(2)})
                      .hr,
                  S_OK);
        const platform::COLORREF B = platform::RGB(0, 0, 255), R = platform::RGB(255, 0, 0);
        EXPECT_EQ(target.pixels(),
                  (std::vector<platform::COLORREF>{B, B, B, B, R, R, R, R, B, B, B, B, R, R, R, R}))
            << "stretched to twice the width";
    }
    EXPECT_EQ(pic->Release(), 0u);
}

TEST(StdPicture, LoadFailures) {
    struct Case {
        const char* file;
        int error;
    };
    const Case cases[] = {{"no_such_picture.png", 53}, {"../frame/property_bag_test.cpp", 481}};
    for (const Case& c : cases) {
        EXPECT_EQ(error_of([&] { LoadPicture(data(c.file))->Release(); }), c.error) << c.file;
    }
    EXPECT_EQ(LoadPicture(u""), nullptr);
}

TEST(StdObjects, ThroughABagAndAFormFile) {
    StdFont* font = StdFont::create({u"Arial", 9.75, true, false, true, false});
    StdPicture* pic = LoadPicture(data("o2007hover_pic_normal.png"));
    FormRecord form;
    form.controls.push_back({u"PaginorV2CTL.O2007Hover", u"h", {}, 0, 0, 240, 240, {}});
    PropertyBag& bag = form.controls[0].bag;
    bag.write_font(u"Font", font);
    bag.write_picture(u"Picture", pic);
    bag.write_font(u"NoFont", nullptr);
    const std::string text = write_form_file(form);
    EXPECT_NE(text.find("        Font = Font \"Arial\" 9.75 Bold Underline\n"), std::string::npos)
        << text;
    FormRecord back;
    ASSERT_TRUE(read_form_file(text, back).ok());
    EXPECT_EQ(back, form);
    IDispatch* font2 = back.controls[0].bag.read_font(u"Font");
    ASSERT_NE(StdFont::from(font2), nullptr);
    EXPECT_EQ(StdFont::from(font2)->description(), font->description());
    IDispatch* pic2 = back.controls[0].bag.read_picture(u"Picture");
    ASSERT_NE(StdPicture::from(pic2), nullptr);
    EXPECT_EQ(StdPicture::from(pic2)->image().pixels, pic->image().pixels);
    EXPECT_TRUE(StdPicture::from(pic2)->image().has_alpha) << "transparency kept";
    EXPECT_EQ(back.controls[0].bag.read_font(u"NoFont"), nullptr);
    EXPECT_EQ(error_of([&] { bag.write_font(u"Wrong", pic); }), 13);
    for (IDispatch* o : {static_cast<IDispatch*>(font), static_cast<IDispatch*>(pic), font2, pic2})
        EXPECT_EQ(o->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

} // namespace
