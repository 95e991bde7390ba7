// The standard picture and font objects as a late-bound host uses them, and their trip
// through a property bag and a form file.
#include "frame/form_file.h"
#include "frame/property_bag.h"
#include "frame/std_font.h"
#include "frame/std_picture.h"
#include "platform/core/error.h"
#include "platform/core/unicode.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/window/window_system.h"

#include "support/late_bound.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace paginor;
using namespace paginor::frame;
using test::LateCall;
using test::long_arg;

namespace {

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

    const platform::HDC dc = platform::CreateCompatibleDC(0);
    const platform::HBITMAP target = platform::CreateBitmap(8, 2, 1, 32, nullptr);
    const platform::HGDIOBJ old = platform::SelectObject(dc, target);
    // Render(hdc, x, y, cx, cy)
    ASSERT_EQ(LateCall(pic, 6, DISPATCH_METHOD,
                       {long_arg(LONG(dc)), long_arg(0), long_arg(0), long_arg(8), long_arg(2)})
                  .hr,
              S_OK);
    // Stretched to twice the width: blue, blue, blue, blue, red, red, red, red.
    EXPECT_EQ(platform::GetPixel(dc, 0, 0), platform::RGB(0, 0, 255));
    EXPECT_EQ(platform::GetPixel(dc, 3, 1), platform::RGB(0, 0, 255));
    EXPECT_EQ(platform::GetPixel(dc, 4, 0), platform::RGB(255, 0, 0));
    EXPECT_EQ(platform::GetPixel(dc, 7, 1), platform::RGB(255, 0, 0));
    platform::SelectObject(dc, old);
    platform::DeleteObject(target);
    platform::DeleteDC(dc);
    EXPECT_EQ(pic->Release(), 0u);
}

TEST(StdPicture, LoadFailures) {
    struct Case {
        const char* file;
        int error;
    };
    const Case cases[] = {{"no_such_picture.png", 53}, {"../frame/std_objects_test.cpp", 481}};
    for (const Case& c : cases) {
        int number = 0;
        try {
            LoadPicture(data(c.file))->Release();
        } catch (const RuntimeError& e) {
            number = e.number();
        }
        EXPECT_EQ(number, c.error) << c.file;
    }
    EXPECT_EQ(LoadPicture(u""), nullptr);
}

class Recorder : public FontChangeListener {
  public:
    std::vector<DISPID> seen;
    void OnFontChanged(DISPID member) override { seen.push_back(member); }
};

TEST(StdFont, LateBoundWritesNotifyOnlyOnChange) {
    StdFont* font = StdFont::create();
    Recorder rec;
    font->add_listener(&rec);
    VARIANT v{}, size{}, name{};
    v.vt = VT_BOOL;
    v.boolVal = VARIANT_TRUE;
    size.vt = VT_R8;
    size.dblVal = 12;
    Bstr face(u"Tahoma");
    name = test::text_arg(face.get());
    const auto put = [&](DISPID id, VARIANT value) {
        return LateCall(font, id, DISPATCH_PROPERTYPUT, {value}).hr;
    };
    EXPECT_EQ(put(DISPID_FONT_BOLD, v), S_OK);
    EXPECT_EQ(put(DISPID_FONT_BOLD, v), S_OK); // same value: no notification
    EXPECT_EQ(put(DISPID_FONT_STRIKE, v), S_OK);
    EXPECT_EQ(put(DISPID_FONT_SIZE, size), S_OK);
    EXPECT_EQ(put(DISPID_FONT_NAME, name), S_OK);
    EXPECT_EQ(put(DISPID_FONT_NAME, v), DISP_E_TYPEMISMATCH);
    size.dblVal = 0;
    LateCall zero(font, DISPID_FONT_SIZE, DISPATCH_PROPERTYPUT, {size});
    EXPECT_EQ(zero.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(zero.excep.scode, HRESULT(0x800A017C)); // error 380
    EXPECT_EQ(zero.excep.wCode, 0);
    const std::vector<DISPID> expected{DISPID_FONT_BOLD, DISPID_FONT_STRIKE, DISPID_FONT_SIZE,
                                       DISPID_FONT_NAME};
    EXPECT_EQ(rec.seen, expected);
    LateCall read(font, u"Size");
    EXPECT_EQ(std::tie(read.hr, read.result->vt, read.result->llVal),
              std::make_tuple(S_OK, VARTYPE(VT_CY), 120000LL));
    EXPECT_EQ(test::late_text(font, u"name"), u"Tahoma");
    font->remove_listener(&rec);
    EXPECT_EQ(font->Release(), 0u);
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
    int number = 0;
    try {
        bag.write_font(u"Wrong", pic);
    } catch (const RuntimeError& e) {
        number = e.number();
    }
    EXPECT_EQ(number, 13);
    for (IDispatch* o : {static_cast<IDispatch*>(font), static_cast<IDispatch*>(pic), font2, pic2})
        EXPECT_EQ(o->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

} // namespace
