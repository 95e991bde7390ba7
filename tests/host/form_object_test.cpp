// The form's Parent object as a control's layout and a host walk it, late-bound only:
// Parent.Controls in form order with each control's name, type name, container and
// object, the container's BackColor, the errors a host sees, and objects held past the
// form's end. Also the form's ambient font as its controls read it.
#include "../buttons/hover_host.h"
#include "late_bound.h"

#include "frame/error_info.h"
#include "frame/user_control.h"
#include "host/form_object.h"
#include "platform/window.h"

#include <gtest/gtest.h>

using namespace paginor;
using namespace paginor::test;

namespace {

// Whether two interface pointers are the same object (IUnknown identity).
bool same_object(IUnknown* a, IUnknown* b) {
    IUnknown* ua = nullptr;
    IUnknown* ub = nullptr;
    a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ua));
    b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ub));
    const bool same = ua && ua == ub;
    ua->Release();
    ub->Release();
    return same;
}

VARIANT text_arg(const char16_t* text) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(text); // the caller clears it
    return v;
}

// One control as a walk of Parent.Controls sees it; container "" is the form.
struct Row {
    std::u16string name;
    std::u16string type_name;
    std::u16string container;
    LONG container_back_color;
    friend bool operator==(const Row&, const Row&) = default;
    friend void PrintTo(const Row& r, std::ostream* os) {
        *os << to_utf8(r.name) << " " << to_utf8(r.type_name) << " in '" << to_utf8(r.container)
            << "' back " << r.container_back_color;
    }
};

class ParentObject : public HoverHost {
  public:
    void add_neighbours() {
        form->add(u"PaginorV2CTL.O2007Hover", u"hTwo", 600, 120, 240, 240);
        form->add(u"PaginorV2CTL.O2007Hover", u"hInner", 30, 30, 150, 150, nullptr, u"hOne");
        ASSERT_EQ(button->put_BackColor(0x00112233), S_OK);
    }
};

TEST_F(ParentObject, ControlsWalkInFormOrderFromInsideAndOutside) {
    add_neighbours();
    IDispatch* from_inside = frame::UserControl::from(form->control(u"hInner"))->Parent();
    ASSERT_NE(from_inside, nullptr);
    EXPECT_EQ(from_inside, form->object());
    EXPECT_EQ(frame::UserControl::from(disp)->Parent(), form->object()) << "one for every control";

    EXPECT_EQ(late_text(from_inside, u"Name"), u"Form1");
    EXPECT_EQ(late_long(from_inside, u"backcolor"), 0x00FFFFFF);
    EXPECT_EQ(late_long(from_inside, u"hWnd"), LONG(form->hwnd()));

    const std::vector<Row> expected{{u"hOne", u"O2007Hover", u"", 0x00FFFFFF},
                                    {u"hTwo", u"O2007Hover", u"", 0x00FFFFFF},
                                    {u"hInner", u"O2007Hover", u"hOne", 0x00112233}};
    IDispatch* controls = late_object(from_inside, u"Controls");
    ASSERT_NE(controls, nullptr);
    const LONG count = late_long(controls, u"Count");
    ASSERT_EQ(count, 3);
    std::vector<Row> seen;
    for (LONG i = 0; i < count; ++i) {
        IDispatch* item = late_object(controls, u"Item", {long_arg(i)});
        ASSERT_NE(item, nullptr);
        Row row{late_text(item, u"Name"), late_text(item, u"TypeName"), u"?", -1};
        IDispatch* container = late_object(item, u"Container");
        IDispatch* object = late_object(item, u"Object");
        ASSERT_NE(container, nullptr);
        ASSERT_NE(object, nullptr);
        EXPECT_TRUE(same_object(object, form->control(row.name))) << i;
        if (same_object(container, form->object()))
            row.container.clear();
        for (const host::Form::Entry& e : form->controls())
            if (same_object(container, e.object))
                row.container = e.name;
        row.container_back_color = late_long(container, u"BackColor");
        seen.push_back(row);
        object->Release();
        container->Release();
        EXPECT_EQ(item->Release(), 0u);
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(controls->Release(), 0u);
}

TEST_F(ParentObject, ErrorsAHostSees) {
    IDispatch* controls = late_object(form->object(), u"Controls");
    ASSERT_NE(controls, nullptr);
    struct Case {
        const char16_t* member;
        std::vector<VARIANT> args;
        HRESULT hr;
        int32_t number; // the error's number when hr is DISP_E_EXCEPTION
    };
    const Case cases[] = {
        {u"Item", {long_arg(0)}, S_OK, 0},
        {u"Item", {long_arg(-1)}, DISP_E_EXCEPTION, 9},
        {u"Item", {long_arg(1)}, DISP_E_EXCEPTION, 9},
        {u"Item", {text_arg(u"0")}, S_OK, 0},
        {u"Item", {text_arg(u"first")}, DISP_E_TYPEMISMATCH, 0},
        {u"Item", {}, DISP_E_BADPARAMCOUNT, 0},
        {u"Count", {long_arg(0)}, DISP_E_BADPARAMCOUNT, 0},
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
    // The default member is Item; no member can be written.
    VARIANT index = long_arg(0);
    DISPPARAMS one{&index, nullptr, 1, 0};
    frame::Variant item;
    EXPECT_EQ(controls->Invoke(0, IID_NULL, 0, DISPATCH_METHOD, &one, item.out(), nullptr, nullptr),
              S_OK);
    EXPECT_EQ(item.vt(), VT_DISPATCH);
    DISPID put = -3;
    DISPPARAMS write{&index, &put, 1, 1};
    EXPECT_EQ(form->object()->Invoke(1, IID_NULL, 0, DISPATCH_PROPERTYPUT, &write, nullptr, nullptr,
                                     nullptr),
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(controls->Invoke(99, IID_NULL, 0, DISPATCH_METHOD, &one, nullptr, nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(controls->Release(), 0u);
}

TEST_F(ParentObject, ObjectsHeldPastTheFormAnswerUnexpected) {
    add_neighbours();
    IDispatch* parent = form->object();
    parent->AddRef();
    IDispatch* controls = late_object(parent, u"Controls");
    IDispatch* inner = late_object(controls, u"Item", {long_arg(2)});
    ASSERT_NE(inner, nullptr);
    form.reset();

    for (IDispatch* held : {parent, controls, inner}) {
        frame::Variant out;
        const char16_t* member = held == controls ? u"Count" : u"Name";
        EXPECT_EQ(late_get(held, member, out), E_UNEXPECTED);
        const auto error = frame::peek_error();
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->hr, E_UNEXPECTED);
    }
    for (IDispatch*& p : {std::ref(normal), std::ref(hover), std::ref(inactive)}) {
        p->Release();
        p = nullptr;
    }
    EXPECT_NE(DllCanUnloadNow(), S_OK) << "the host still holds the form's objects";
    EXPECT_EQ(inner->Release(), 0u);
    EXPECT_EQ(controls->Release(), 0u);
    EXPECT_EQ(parent->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

TEST_F(ParentObject, ControlsReadTheFormsAmbientFontAtEveryRead) {
    frame::UserControl* one = frame::UserControl::from(disp);
    EXPECT_EQ(one->AmbientFont(), frame::FontDescription{});
    const frame::FontDescription tahoma{u"Tahoma", 12, true, false, true, false};
    form->set_ambient_font(tahoma);
    EXPECT_EQ(form->ambient_font(), tahoma);
    EXPECT_EQ(one->AmbientFont(), tahoma) << "a control added before the change";
    IDispatch* two = form->add(u"PaginorV2CTL.O2007Hover", u"hTwo", 600, 120, 240, 240);
    EXPECT_EQ(frame::UserControl::from(two)->AmbientFont(), tahoma);
}

} // namespace
