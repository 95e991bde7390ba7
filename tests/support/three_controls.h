// A form of three O2007Hover controls as a host walks it late-bound: hOne and hTwo on the
// form, hInner inside hOne, and the form's Controls collection read once. The library's
// live objects are counted, so every test ends having given back all it took.
#pragma once

#include "support/late_bound.h"

#include "automation/object_count.h"
#include "host/form.h"
#include "platform/core/system_profile.h"

#include <gtest/gtest.h>

#include <memory>

namespace paginor::test {

// Whether two interface pointers are the same object (IUnknown identity).
inline bool same_object(IUnknown* a, IUnknown* b) {
    IUnknown* u[2]{};
    a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&u[0]));
    b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&u[1]));
    for (IUnknown* p : u)
        p->Release(); // a and b still hold the objects; only the addresses are compared
    return u[0] && u[0] == u[1];
}

class ThreeControls : public ::testing::Test {
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

    // Controls._NewEnum read with these flags, as the host's IEnumVARIANT; null (and the
    // HRESULT in *hr) when the read fails.
    IEnumVARIANT* new_enum(WORD flags = DISPATCH_PROPERTYGET, HRESULT* hr = nullptr) {
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

    long before{0};
    std::unique_ptr<host::Form> form;
    IDispatch* controls{nullptr};
};

} // namespace paginor::test
