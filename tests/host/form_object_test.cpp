// The form's Parent object as a control's layout and a host walk it, late-bound only:
// Parent.Controls in form order with each control's name, type name, container and
// object, the container's BackColor, the errors a host sees, and objects and enumerators
// held past the form's end. Also the form's ambient font as its controls read it.
#include "support/three_controls.h"

#include "automation/error_info.h"
#include "buttons/O2007Hover.h"
#include "frame/user_control.h"
#include "platform/core/unicode.h"
#include "platform/window/window.h"

using namespace paginor;
using namespace paginor::test;

namespace {

VARIANT text_arg(const char16_t* text) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(text); // the caller clears it
    return v;
}

using ParentObject = ThreeControls;

TEST_F(ParentObject, ControlsWalkInFormOrderFromInsideAndOutside) {
    auto* one = static_cast<_O2007Hover*>(form->control(u"hOne"));
    ASSERT_EQ(one->put_BackColor(0x00112233), S_OK);
    IDispatch* from_inside = frame::UserControl::from(form->control(u"hInner"))->Parent();
    ASSERT_NE(from_inside, nullptr);
    EXPECT_EQ(from_inside, form->object());
    EXPECT_EQ(frame::UserControl::from(one)->Parent(), form->object()) << "one for every control";

    EXPECT_EQ(late_text(from_inside, u"Name"), u"Form1");
    EXPECT_EQ(late_long(from_inside, u"backcolor"), 0x00FFFFFF);
    EXPECT_EQ(late_long(from_inside, u"hWnd"), LONG(form->hwnd()));

    // Each control in form order: its name, its container (null: the form), and the
    // container's BackColor.
    const struct {
        const char16_t* name;
        const char16_t* container;
        LONG back_color;
    } expected[] = {{u"hOne", nullptr, 0x00FFFFFF},
                    {u"hTwo", nullptr, 0x00FFFFFF},
                    {u"hInner", u"hOne", 0x00112233}};
    IDispatch* walked = late_object(from_inside, u"Controls");
    ASSERT_NE(walked, nullptr);
    ASSERT_EQ(late_long(walked, u"Count"), 3);
    for (LONG i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const auto& want = expected[i];
        IDispatch* item = late_object(walked, u"Item", {long_arg(i)});
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(late_text(item, u"Name"), want.name);
        EXPECT_EQ(late_text(item, u"TypeName"), u"O2007Hover");
        IDispatch* container = late_object(item, u"Container");
        IDispatch* object = late_object(item, u"Object");
        ASSERT_TRUE(container && object);
        EXPECT_TRUE(same_object(object, form->control(want.name)));
        EXPECT_TRUE(same_object(container,
                                want.container ? form->control(want.container) : form->object()));
        EXPECT_EQ(late_long(container, u"BackColor"), want.back_color);
        object->Release();
        container->Release();
        EXPECT_EQ(item->Release(), 0u);
    }
    EXPECT_EQ(walked->Release(), 0u);
}

TEST_F(ParentObject, ErrorsAHostSees) {
    struct Case {
        const char16_t* member;
        std::vector<VARIANT> args;
        HRESULT hr;
        int32_t number; // the error's number when hr is DISP_E_EXCEPTION
    };
    const Case cases[] = {
        {u"Item", {long_arg(2)}, S_OK, 0},
        {u"Item", {long_arg(-1)}, DISP_E_EXCEPTION, 9},
        {u"Item", {long_arg(3)}, DISP_E_EXCEPTION, 9},
        {u"Item", {text_arg(u"0")}, S_OK, 0},
        {u"Item", {text_arg(u"first")}, DISP_E_TYPEMISMATCH, 0},
        {u"Item", {}, DISP_E_BADPARAMCOUNT, 0},
        {u"Count", {long_arg(0)}, DISP_E_BADPARAMCOUNT, 0},
        {u"_NewEnum", {long_arg(0)}, DISP_E_BADPARAMCOUNT, 0},
        {u"Add", {}, DISP_E_UNKNOWNNAME, 0},
    };
    for (const Case& c : cases) {
        frame::Variant out;
        EXCEPINFO excep{};
        EXPECT_EQ(late_get(controls, c.member, out, c.args, &excep), c.hr) << to_utf8(c.member);
        EXPECT_EQ(excep.wCode, 0) << "scode carries the error";
        if (c.hr == DISP_E_EXCEPTION) {
            EXPECT_EQ(excep.scode, DISP_E_BADINDEX);
            EXPECT_EQ(frame::bstr_view(excep.bstrDescription), u"Subscript out of range");
            const auto error = frame::peek_error();
            ASSERT_TRUE(error.has_value());
            EXPECT_EQ(error->number, c.number);
        }
        SysFreeString(excep.bstrSource);
        SysFreeString(excep.bstrDescription);
        for (VARIANT v : c.args)
            VariantClear(&v);
    }
    // The default member is Item; no member can be written, nor an unknown one called.
    VARIANT index = long_arg(0);
    DISPPARAMS one{&index, nullptr, 1, 0};
    frame::Variant item;
    EXPECT_EQ(controls->Invoke(0, IID_NULL, 0, DISPATCH_METHOD, &one, item.out(), nullptr, nullptr),
              S_OK);
    EXPECT_EQ(item.vt(), VT_DISPATCH);
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS write{&index, &put, 1, 1};
    for (auto [object, id] : {std::pair{form->object(), DISPID(1)}, {controls, DISPID_NEWENUM}})
        EXPECT_EQ(object->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &write, nullptr, nullptr,
                                 nullptr),
                  DISP_E_MEMBERNOTFOUND)
            << id;
    EXPECT_EQ(controls->Invoke(99, IID_NULL, 0, DISPATCH_METHOD, &one, nullptr, nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);
}

// Neither the objects a host holds nor an enumerator keep the form alive; every call on
// them answers E_UNEXPECTED with error info, and the enumerator's snapshot still hands
// out its extenders.
TEST_F(ParentObject, ObjectsHeldPastTheFormAnswerUnexpected) {
    IDispatch* parent = form->object();
    parent->AddRef();
    IDispatch* inner = late_object(controls, u"Item", {long_arg(2)});
    ASSERT_NE(inner, nullptr);
    IEnumVARIANT* e = new_enum();
    ASSERT_NE(e, nullptr);
    const platform::HWND hwnd = form->hwnd();
    form.reset();
    EXPECT_FALSE(platform::IsWindow(hwnd));

    HRESULT hr = S_OK;
    EXPECT_EQ(new_enum(DISPATCH_PROPERTYGET, &hr), nullptr);
    EXPECT_EQ(hr, E_UNEXPECTED);
    VARIANT enumerated;
    ASSERT_EQ(e->Next(1, &enumerated, nullptr), S_OK);
    ASSERT_EQ(enumerated.vt, VT_DISPATCH);
    const std::pair<IDispatch*, const char16_t*> calls[] = {
        {parent, u"Name"}, {controls, u"Count"}, {inner, u"Name"}, {enumerated.pdispVal, u"Name"}};
    for (auto [held, member] : calls) {
        frame::Variant out;
        frame::clear_error();
        EXPECT_EQ(late_get(held, member, out), E_UNEXPECTED) << to_utf8(member);
        const auto error = frame::peek_error();
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->hr, E_UNEXPECTED);
    }
    VariantClear(&enumerated);
    EXPECT_NE(DllCanUnloadNow(), S_OK) << "the host still holds the form's objects";
    EXPECT_EQ(e->Release(), 0u);
    EXPECT_EQ(inner->Release(), 0u);
    EXPECT_EQ(std::exchange(controls, nullptr)->Release(), 0u);
    EXPECT_EQ(parent->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

TEST_F(ParentObject, ControlsReadTheFormsAmbientFontAtEveryRead) {
    frame::UserControl* one = frame::UserControl::from(form->control(u"hOne"));
    EXPECT_EQ(one->AmbientFont(), frame::FontDescription{});
    const frame::FontDescription tahoma{u"Tahoma", 12, true, false, true, false};
    form->set_ambient_font(tahoma);
    EXPECT_EQ(one->AmbientFont(), tahoma) << "a control added before the change";
    IDispatch* late = form->add(u"PaginorV2CTL.O2007Hover", u"hLate", 600, 400, 240, 240);
    EXPECT_EQ(frame::UserControl::from(late)->AmbientFont(), tahoma);
}

} // namespace
