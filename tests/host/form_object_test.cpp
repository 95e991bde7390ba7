// The form's Parent object as a control's layout and a host walk it, late-bound only:
// Parent.Controls in form order with each control's name, type name, container and
// object, the container's BackColor, the errors a host sees, For Each over the controls
// (_NewEnum read late-bound, an IEnumVARIANT walked one item at a time, a snapshot), and
// objects and enumerators held past the form's end. Also the form's ambient font as its
// controls read it.
#include "support/late_bound.h"

#include "automation/error_info.h"
#include "automation/object_count.h"
#include "buttons/O2007Hover.h"
#include "frame/user_control.h"
#include "host/form.h"
#include "platform/core/system_profile.h"
#include "platform/core/unicode.h"
#include "platform/window/window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace paginor;
using namespace paginor::test;

namespace {

using Names = std::vector<std::u16string>;

// Three O2007Hover controls: hOne and hTwo on the form, hInner inside hOne, and the form's
// Controls collection read once. Every test ends having given back all it took.
class ParentObject : public ::testing::Test {
  public:
    void SetUp() override {
        platform::set_screen_twips_per_pixel(15);
        form = std::make_unique<host::Form>(u"Form1", 960, 600, 0x00FFFFFF);
        form->add(u"PaginorV2CTL.O2007Hover", u"hOne", 120, 120, 360, 360);
        form->add(u"PaginorV2CTL.O2007Hover", u"hTwo", 600, 120, 240, 240);
        form->add(u"PaginorV2CTL.O2007Hover", u"hInner", 30, 30, 150, 150, nullptr, u"hOne");
        controls = late_object(form->object(), u"Controls");
        ASSERT_TRUE(controls);
    }
    void TearDown() override {
        controls.reset();
        form.reset();
        EXPECT_EQ(automation::live_objects(), before);
    }

    // Controls._NewEnum read with these flags, as the host's IEnumVARIANT; null (and the
    // HRESULT in *hr) when the read fails.
    Ref<IEnumVARIANT> new_enum(WORD flags = DISPATCH_PROPERTYGET, HRESULT* hr = nullptr) {
        LateCall c(controls.get(), DISPID_NEWENUM, flags);
        if (hr)
            *hr = c.hr;
        if (FAILED(c.hr) || c.result.vt() != VT_UNKNOWN)
            return nullptr;
        return query<IEnumVARIANT>(c.result->punkVal, IID_IEnumVARIANT);
    }

    long before{automation::live_objects()};
    std::unique_ptr<host::Form> form;
    Ref<IDispatch> controls;
};

// The loop a host runtime runs: one item per Next until S_FALSE, each item's Name (an
// item that is no object gives a name no control has).
Names walk(const Ref<IEnumVARIANT>& e) {
    Names names;
    VARIANT item;
    while (e->Next(1, &item, nullptr) == S_OK) {
        names.push_back(item.vt == VT_DISPATCH ? late_text(item.pdispVal, u"Name") : u"<not one>");
        VariantClear(&item);
    }
    return names;
}

TEST_F(ParentObject, ControlsWalkInFormOrderFromInsideAndOutside) {
    auto* one = static_cast<_O2007Hover*>(form->control(u"hOne"));
    ASSERT_EQ(one->put_BackColor(0x00112233), S_OK);
    IDispatch* from_inside = frame::UserControl::from(form->control(u"hInner"))->Parent();
    ASSERT_EQ(from_inside, form->object());
    EXPECT_EQ(frame::UserControl::from(one)->Parent(), form->object()) << "one for every control";

    EXPECT_EQ(late_text(from_inside, u"Name"), u"Form1");
    EXPECT_EQ(late_long(from_inside, u"backcolor"), 0x00FFFFFF);
    EXPECT_EQ(late_long(from_inside, u"hWnd"), LONG(form->hwnd()));

    // Each control in form order: its name, its container (null: the form), and the
    // container's BackColor.
    const struct {
        const char16_t *name, *container;
        LONG back_color;
    } expected[] = {{u"hOne", nullptr, 0x00FFFFFF},
                    {u"hTwo", nullptr, 0x00FFFFFF},
                    {u"hInner", u"hOne", 0x00112233}};
    Ref<IDispatch> walked = late_object(from_inside, u"Controls");
    ASSERT_TRUE(walked);
    ASSERT_EQ(late_long(walked.get(), u"Count"), 3);
    for (LONG i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const auto& want = expected[i];
        Ref<IDispatch> item = late_object(walked.get(), u"Item", {long_arg(i)});
        ASSERT_TRUE(item);
        EXPECT_EQ(late_text(item.get(), u"Name"), want.name);
        EXPECT_EQ(late_text(item.get(), u"TypeName"), u"O2007Hover");
        Ref<IDispatch> container = late_object(item.get(), u"Container");
        Ref<IDispatch> object = late_object(item.get(), u"Object");
        ASSERT_TRUE(container && object);
        EXPECT_TRUE(same_object(object.get(), form->control(want.name)));
        EXPECT_TRUE(same_object(container.get(),
                                want.container ? form->control(want.container) : form->object()));
        EXPECT_EQ(late_long(container.get(), u"BackColor"), want.back_color);
    }
}

TEST_F(ParentObject, ErrorsAHostSees) {
    automation::Bstr zero(u"0"), first(u"first");
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
        {u"Item", {text_arg(zero.get())}, S_OK, 0},
        {u"Item", {text_arg(first.get())}, DISP_E_TYPEMISMATCH, 0},
        {u"Item", {}, DISP_E_BADPARAMCOUNT, 0},
        {u"Count", {long_arg(0)}, DISP_E_BADPARAMCOUNT, 0},
        {u"_NewEnum", {long_arg(0)}, DISP_E_BADPARAMCOUNT, 0},
        {u"Add", {}, DISP_E_UNKNOWNNAME, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(to_utf8(c.member));
        LateCall call(controls.get(), c.member, DISPATCH_PROPERTYGET | DISPATCH_METHOD, c.args);
        EXPECT_EQ(call.hr, c.hr);
        EXPECT_EQ(call.excep.wCode, 0) << "scode carries the error";
        if (c.hr == DISP_E_EXCEPTION) {
            EXPECT_EQ(call.excep.scode, DISP_E_BADINDEX);
            EXPECT_EQ(call.description(), u"Subscript out of range");
            const auto error = automation::peek_error();
            EXPECT_EQ(error ? error->number : -1, c.number);
        }
    }
    // The default member is Item; no member can be written, nor an unknown one called.
    LateCall item(controls.get(), DISPID(0), DISPATCH_METHOD, {long_arg(0)});
    EXPECT_EQ(std::pair(item.hr, item.result.vt()), std::pair(S_OK, VARTYPE(VT_DISPATCH)));
    for (auto [object, id] :
         {std::pair{form->object(), DISPID(1)}, {controls.get(), DISPID_NEWENUM}})
        EXPECT_EQ(LateCall(object, id, DISPATCH_PROPERTYPUT, {long_arg(0)}).hr,
                  DISP_E_MEMBERNOTFOUND)
            << id;
    EXPECT_EQ(LateCall(controls.get(), 99, DISPATCH_METHOD, {long_arg(0)}).hr,
              DISP_E_MEMBERNOTFOUND);
}

TEST_F(ParentObject, ForEachWalksTheExtendersInFormOrderOnASnapshot) {
    EXPECT_EQ(id_of(controls.get(), u"_newenum"), DISPID_NEWENUM);
    const Names expected{u"hOne", u"hTwo", u"hInner"};
    for (WORD flags : {WORD(DISPATCH_PROPERTYGET), WORD(DISPATCH_METHOD),
                       WORD(DISPATCH_METHOD | DISPATCH_PROPERTYGET)}) {
        SCOPED_TRACE(flags);
        Ref<IEnumVARIANT> e = new_enum(flags);
        ASSERT_TRUE(e);
        EXPECT_EQ(walk(e), expected);
    }
    // Many at once; each item is the extender of the form's control at that place.
    VARIANT items[4];
    ULONG fetched = 0;
    EXPECT_EQ(new_enum()->Next(4, items, &fetched), S_FALSE);
    ASSERT_EQ(fetched, 3u);
    for (ULONG i = 0; i < fetched; ++i) {
        EXPECT_EQ(late_object(items[i].pdispVal, u"Object").get(), form->controls()[i].object) << i;
        VariantClear(&items[i]);
    }

    // A snapshot; the walk's own rules (end, Reset, Skip, Clone) are the one enumerator's,
    // in enumerator_test.cpp.
    Ref<IEnumVARIANT> e = new_enum();
    ASSERT_TRUE(e);
    form->add(u"PaginorV2CTL.O2007Hover", u"hLate", 600, 400, 240, 240);
    EXPECT_EQ(late_long(controls.get(), u"Count"), 4) << "the collection itself is live";
    EXPECT_EQ(walk(e), expected);
    EXPECT_EQ(walk(new_enum()), (Names{u"hOne", u"hTwo", u"hInner", u"hLate"}));
}

// Neither the objects a host holds nor an enumerator keep the form alive; every call on
// them answers E_UNEXPECTED with error info, and the enumerator's snapshot still hands
// out its extenders.
TEST_F(ParentObject, ObjectsHeldPastTheFormAnswerUnexpected) {
    Ref<IDispatch> parent(form->object());
    Ref<IDispatch> inner = late_object(controls.get(), u"Item", {long_arg(2)});
    ASSERT_TRUE(inner);
    Ref<IEnumVARIANT> e = new_enum();
    ASSERT_TRUE(e);
    const platform::HWND hwnd = form->hwnd();
    form.reset();
    EXPECT_FALSE(platform::IsWindow(hwnd));

    HRESULT hr = S_OK;
    EXPECT_FALSE(new_enum(DISPATCH_PROPERTYGET, &hr));
    EXPECT_EQ(hr, E_UNEXPECTED);
    automation::Variant enumerated;
    ASSERT_EQ(e->Next(1, enumerated.out(), nullptr), S_OK);
    ASSERT_EQ(enumerated.vt(), VT_DISPATCH);
    const std::pair<IDispatch*, const char16_t*> calls[] = {{parent.get(), u"Name"},
                                                            {controls.get(), u"Count"},
                                                            {inner.get(), u"Name"},
                                                            {enumerated->pdispVal, u"Name"}};
    for (auto [held, member] : calls) {
        automation::clear_error();
        EXPECT_EQ(LateCall(held, member).hr, E_UNEXPECTED) << to_utf8(member);
        const auto error = automation::peek_error();
        EXPECT_EQ(error ? error->hr : S_OK, E_UNEXPECTED);
    }
    EXPECT_NE(DllCanUnloadNow(), S_OK) << "the host still holds the form's objects";
    enumerated.out();
    EXPECT_EQ(e.detach()->Release(), 0u);
    EXPECT_EQ(inner.detach()->Release(), 0u);
    EXPECT_EQ(controls.detach()->Release(), 0u);
    EXPECT_EQ(parent.detach()->Release(), 0u);
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
