// For Each over Parent.Controls as a host runtime runs it: _NewEnum read late-bound, an
// IEnumVARIANT walked one item at a time, the extenders in form order; the walk is a
// snapshot, the enumerator keeps neither the form nor its controls alive, and once the
// form is gone _NewEnum answers E_UNEXPECTED.
#include "late_bound.h"

#include "frame/error_info.h"
#include "frame/object_count.h"
#include "host/form.h"
#include "platform/system_profile.h"
#include "platform/unicode.h"
#include "platform/window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace paginor;
using namespace paginor::test;

namespace {

using Names = std::vector<std::u16string>;

class ForEach : public ::testing::Test {
  public:
    void SetUp() override {
        before = frame::live_objects();
        platform::set_screen_twips_per_pixel(15);
        form = std::make_unique<host::Form>(u"Form1", 960, 600, 0x00FFFFFF);
        form->add(u"PaginorV2CTL.O2007Hover", u"hOne", 120, 120, 360, 360);
        form->add(u"PaginorV2CTL.O2007Hover", u"hTwo", 600, 120, 240, 240);
        form->add(u"PaginorV2CTL.O2007Hover", u"hInner", 30, 30, 150, 150, nullptr, u"hOne");
        controls = late_object(form->object(), u"Controls");
        ASSERT_NE(controls, nullptr);
    }
    void TearDown() override {
        if (controls) {
            EXPECT_EQ(controls->Release(), 0u);
        }
        form.reset();
        EXPECT_EQ(frame::live_objects(), before);
    }

    // _NewEnum read the way flags asks, as the host's IEnumVARIANT (null on failure).
    IEnumVARIANT* new_enum(WORD flags, HRESULT* hr = nullptr) {
        frame::Variant out;
        DISPPARAMS none{nullptr, nullptr, 0, 0};
        const HRESULT got = controls->Invoke(DISPID_NEWENUM, IID_NULL, 0x409, flags, &none,
                                             out.out(), nullptr, nullptr);
        if (hr)
            *hr = got;
        if (FAILED(got) || out.vt() != VT_UNKNOWN)
            return nullptr;
        IEnumVARIANT* e = nullptr;
        EXPECT_EQ(out->punkVal->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&e)),
                  S_OK);
        return e;
    }
    // The loop a host runtime runs: one item per Next until S_FALSE, each item's Name.
    static Names walk(IEnumVARIANT* e) {
        Names names;
        VARIANT item;
        while (e->Next(1, &item, nullptr) == S_OK) {
            EXPECT_EQ(item.vt, VT_DISPATCH);
            if (item.vt == VT_DISPATCH)
                names.push_back(late_text(item.pdispVal, u"Name"));
            VariantClear(&item);
        }
        return names;
    }
    Names form_order() const {
        Names names;
        for (const host::Form::Entry& e : form->controls())
            names.push_back(e.name);
        return names;
    }

    long before{0};
    std::unique_ptr<host::Form> form;
    IDispatch* controls{nullptr};
};

TEST_F(ForEach, WalksTheExtendersInFormOrder) {
    DISPID id = 0;
    OLECHAR* name[] = {const_cast<OLECHAR*>(u"_newenum")};
    ASSERT_EQ(controls->GetIDsOfNames(IID_NULL, name, 1, 0x409, &id), S_OK);
    EXPECT_EQ(id, DISPID_NEWENUM);

    const Names expected{u"hOne", u"hTwo", u"hInner"};
    ASSERT_EQ(form_order(), expected);
    for (WORD flags : {WORD(DISPATCH_PROPERTYGET), WORD(DISPATCH_METHOD),
                       WORD(DISPATCH_METHOD | DISPATCH_PROPERTYGET)}) {
        IEnumVARIANT* e = new_enum(flags);
        ASSERT_NE(e, nullptr) << flags;
        EXPECT_EQ(walk(e), expected) << flags;
        EXPECT_EQ(walk(e), Names{}) << "at the end it stays at the end";
        EXPECT_EQ(e->Reset(), S_OK);
        EXPECT_EQ(walk(e), expected) << "again after Reset";
        EXPECT_EQ(e->Release(), 0u);
    }
    // Each item is the extender Item(i) gives: the same control behind Object.
    IEnumVARIANT* e = new_enum(DISPATCH_PROPERTYGET);
    ASSERT_NE(e, nullptr);
    VARIANT items[4];
    ULONG fetched = 0;
    EXPECT_EQ(e->Next(4, items, &fetched), S_FALSE);
    ASSERT_EQ(fetched, 3u);
    for (ULONG i = 0; i < fetched; ++i) {
        IDispatch* object = late_object(items[i].pdispVal, u"Object");
        IDispatch* by_index = late_object(controls, u"Item", {long_arg(LONG(i))});
        IDispatch* object_by_index = late_object(by_index, u"Object");
        EXPECT_EQ(object, form->controls()[i].object) << i;
        EXPECT_EQ(object_by_index, object) << i;
        for (IDispatch* p : {object, by_index, object_by_index})
            p->Release();
        VariantClear(&items[i]);
    }
    EXPECT_EQ(e->Release(), 0u);

    frame::Variant out;
    DISPID put = DISPID_PROPERTYPUT;
    VARIANT value = long_arg(1);
    DISPPARAMS write{&value, &put, 1, 1};
    EXPECT_EQ(controls->Invoke(DISPID_NEWENUM, IID_NULL, 0, DISPATCH_PROPERTYPUT, &write, nullptr,
                               nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);
    DISPPARAMS one{&value, nullptr, 1, 0};
    EXPECT_EQ(controls->Invoke(DISPID_NEWENUM, IID_NULL, 0, DISPATCH_METHOD, &one, out.out(),
                               nullptr, nullptr),
              DISP_E_BADPARAMCOUNT);
}

TEST_F(ForEach, TheWalkIsASnapshotThatAClonePicksUpMidway) {
    IEnumVARIANT* e = new_enum(DISPATCH_PROPERTYGET);
    ASSERT_NE(e, nullptr);
    form->add(u"PaginorV2CTL.O2007Hover", u"hLate", 600, 400, 240, 240);
    EXPECT_EQ(late_long(controls, u"Count"), 4) << "the collection itself is live";

    EXPECT_EQ(e->Skip(1), S_OK);
    IEnumVARIANT* clone = nullptr;
    ASSERT_EQ(e->Clone(&clone), S_OK);
    EXPECT_EQ(walk(clone), (Names{u"hTwo", u"hInner"}));
    EXPECT_EQ(walk(e), (Names{u"hTwo", u"hInner"})) << "the original kept its own place";
    EXPECT_EQ(clone->Release(), 0u);
    EXPECT_EQ(e->Release(), 0u);

    IEnumVARIANT* now = new_enum(DISPATCH_PROPERTYGET);
    ASSERT_NE(now, nullptr);
    EXPECT_EQ(walk(now), (Names{u"hOne", u"hTwo", u"hInner", u"hLate"}));
    EXPECT_EQ(now->Release(), 0u);
}

TEST_F(ForEach, AnEnumeratorHeldPastTheFormKeepsNothingAlive) {
    IEnumVARIANT* e = new_enum(DISPATCH_PROPERTYGET);
    ASSERT_NE(e, nullptr);
    const platform::HWND hwnd = form->hwnd();
    form.reset();
    EXPECT_FALSE(platform::IsWindow(hwnd)) << "the enumerator did not hold the form";

    HRESULT hr = S_OK;
    EXPECT_EQ(new_enum(DISPATCH_PROPERTYGET, &hr), nullptr);
    EXPECT_EQ(hr, E_UNEXPECTED);
    const auto error = frame::peek_error();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->hr, E_UNEXPECTED);

    // The snapshot still hands out its extenders, and they answer as the form's objects do.
    VARIANT item;
    ASSERT_EQ(e->Next(1, &item, nullptr), S_OK);
    ASSERT_EQ(item.vt, VT_DISPATCH);
    frame::Variant name;
    EXPECT_EQ(late_get(item.pdispVal, u"Name", name), E_UNEXPECTED);
    VariantClear(&item);
    EXPECT_NE(frame::live_objects(), before) << "the host still holds the enumerator";
    EXPECT_EQ(e->Release(), 0u);
}

} // namespace
