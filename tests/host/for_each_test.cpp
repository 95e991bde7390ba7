// For Each over Parent.Controls as a host runtime runs it: _NewEnum read late-bound, an
// IEnumVARIANT walked one item at a time, the extenders in form order; the walk is a
// snapshot. What an enumerator held past the form answers is in form_object_test.cpp.
#include "support/three_controls.h"

#include <string>
#include <vector>

using namespace paginor;
using namespace paginor::test;

namespace {

using Names = std::vector<std::u16string>;

// The loop a host runtime runs: one item per Next until S_FALSE, each item's Name.
Names walk(IEnumVARIANT* e) {
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

using ForEach = ThreeControls;

TEST_F(ForEach, WalksTheExtendersInFormOrder) {
    DISPID id = 0;
    OLECHAR* name[] = {const_cast<OLECHAR*>(u"_newenum")};
    ASSERT_EQ(controls->GetIDsOfNames(IID_NULL, name, 1, 0x409, &id), S_OK);
    EXPECT_EQ(id, DISPID_NEWENUM);

    const Names expected{u"hOne", u"hTwo", u"hInner"};
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
    // Many at once; each item is the extender of the form's control at that place.
    IEnumVARIANT* e = new_enum();
    ASSERT_NE(e, nullptr);
    VARIANT items[4];
    ULONG fetched = 0;
    EXPECT_EQ(e->Next(4, items, &fetched), S_FALSE);
    ASSERT_EQ(fetched, 3u);
    for (ULONG i = 0; i < fetched; ++i) {
        IDispatch* object = late_object(items[i].pdispVal, u"Object");
        EXPECT_EQ(object, form->controls()[i].object) << i;
        object->Release();
        VariantClear(&items[i]);
    }
    EXPECT_EQ(e->Release(), 0u);
}

TEST_F(ForEach, TheWalkIsASnapshotThatAClonePicksUpMidway) {
    IEnumVARIANT* e = new_enum();
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

    IEnumVARIANT* now = new_enum();
    ASSERT_NE(now, nullptr);
    EXPECT_EQ(walk(now), (Names{u"hOne", u"hTwo", u"hInner", u"hLate"}));
    EXPECT_EQ(now->Release(), 0u);
}

} // namespace
