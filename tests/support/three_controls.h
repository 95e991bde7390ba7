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

class ThreeControls : public ::testing::Test {
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
        EXPECT_EQ(frame::live_objects(), before);
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

    long before{frame::live_objects()};
    std::unique_ptr<host::Form> form;
    Ref<IDispatch> controls;
};

} // namespace paginor::test
