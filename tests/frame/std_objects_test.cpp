// The standard picture and font objects as a late-bound host uses them, and their trip
// through a property bag and a form file.
#include "automation/variant.h"
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

#include <gtest/gtest.h>

using namespace paginor;
using namespace paginor::frame;

namespace {

std::u16string data(const char* name) {
    return from_utf8(std::string(PAGINOR_TEST_DATA_DIR "/") + name);
}

HRESULT get(IDispatch* object, const char16_t* name, VARIANT* out) {
    DISPID id = 0;
    OLECHAR* names[] = {const_cast<OLECHAR*>(name)};
    if (HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, 0, &id); FAILED(hr))
        return hr;
    DISPPARAMS none{};
    return object->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, out, nullptr, nullptr);
}

HRESULT put(IDispatch* object, DISPID id, VARIANT value, EXCEPINFO* excep = nullptr) {
    DISPID named = -3; // DISPID_PROPERTYPUT
    DISPPARAMS p{&value, &named, 1, 1};
    return object->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &p, nullptr, excep, nullptr);
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
        Variant v;
        ASSERT_EQ(get(pic, r.name, v.out()), S_OK);
        EXPECT_EQ(v.vt(), r.vt);
        EXPECT_EQ(r.vt == VT_I2 ? v->iVal : v->lVal, r.value) << to_utf8(r.name);
    }
    Variant handle;
    ASSERT_EQ(get(pic, u"Handle", handle.out()), S_OK);
    EXPECT_EQ(platform::GetBitmapDimension(platform::HBITMAP(handle->lVal)).cx, 4);
    Variant nothing;
    EXPECT_EQ(get(pic, u"Depth", nothing.out()), DISP_E_UNKNOWNNAME);

    const platform::HDC dc = platform::CreateCompatibleDC(0);
    const platform::HBITMAP target = platform::CreateBitmap(8, 2, 1, 32, nullptr);
    const platform::HGDIOBJ old = platform::SelectObject(dc, target);
    VARIANT args[5];
    // Render(hdc, x, y, cx, cy): arguments travel last first.
    const LONG rendered[5] = {2, 8, 0, 0, static_cast<LONG>(dc)};
    for (int i = 0; i < 5; ++i) {
        VariantInit(&args[i]);
        args[i].vt = VT_I4;
        args[i].lVal = rendered[i];
    }
    DISPPARAMS p{args, nullptr, 5, 0};
    ASSERT_EQ(pic->Invoke(6, IID_NULL, 0, DISPATCH_METHOD, &p, nullptr, nullptr, nullptr), S_OK);
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
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BOOL;
    v.boolVal = VARIANT_TRUE;
    EXPECT_EQ(put(font, DISPID_FONT_BOLD, v), S_OK);
    EXPECT_EQ(put(font, DISPID_FONT_BOLD, v), S_OK); // same value: no notification
    EXPECT_EQ(put(font, DISPID_FONT_STRIKE, v), S_OK);
    VARIANT size;
    VariantInit(&size);
    size.vt = VT_R8;
    size.dblVal = 12;
    EXPECT_EQ(put(font, DISPID_FONT_SIZE, size), S_OK);
    Bstr face(u"Tahoma");
    VARIANT name;
    VariantInit(&name);
    name.vt = VT_BSTR;
    name.bstrVal = face.get();
    EXPECT_EQ(put(font, DISPID_FONT_NAME, name), S_OK);
    EXPECT_EQ(put(font, DISPID_FONT_NAME, v), DISP_E_TYPEMISMATCH);
    size.dblVal = 0;
    EXCEPINFO excep{};
    EXPECT_EQ(put(font, DISPID_FONT_SIZE, size, &excep), DISP_E_EXCEPTION);
    EXPECT_EQ(excep.scode, HRESULT(0x800A017C)); // error 380
    EXPECT_EQ(excep.wCode, 0);
    SysFreeString(excep.bstrSource);
    SysFreeString(excep.bstrDescription);
    const std::vector<DISPID> expected{DISPID_FONT_BOLD, DISPID_FONT_STRIKE, DISPID_FONT_SIZE,
                                       DISPID_FONT_NAME};
    EXPECT_EQ(rec.seen, expected);
    Variant read;
    ASSERT_EQ(get(font, u"Size", read.out()), S_OK);
    EXPECT_EQ(read.vt(), VT_CY);
    EXPECT_EQ(read->llVal, 120000);
    ASSERT_EQ(get(font, u"name", read.out()), S_OK);
    EXPECT_EQ(bstr_view(read->bstrVal), u"Tahoma");
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
