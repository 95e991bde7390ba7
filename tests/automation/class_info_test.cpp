// A form host binding event handlers by name: from an object to its class's type
// information, to the implemented type flagged default source, to every event's name,
// identifier and parameters; checked against the table and against known events.
#include <paginor/PaginorV2CTL.h>

#include "automation/dispatch.h"
#include "automation/variant.h"
#include "library/classes.h"
#include "platform/core/unicode.h"
#include "support/objects.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace paginor;
using namespace paginor::frame;

namespace {

struct SeenEvent {
    std::u16string name;
    DISPID id = 0;
    std::vector<std::u16string> params;
    std::vector<VARTYPE> types; // the pointed-to type of a by-reference parameter
    std::u16string doc;
};

std::u16string take(BSTR b) {
    std::u16string text(bstr_view(b));
    SysFreeString(b);
    return text;
}

// A copy of the type's attributes (zeroed when they cannot be read).
TYPEATTR attr_of(ITypeInfo* info) {
    TYPEATTR* attr = nullptr;
    EXPECT_EQ(info->GetTypeAttr(&attr), S_OK);
    TYPEATTR copy{};
    if (attr)
        copy = *attr;
    info->ReleaseTypeAttr(attr);
    return copy;
}

// The name of the type (MEMBERID_NIL) or the help text of a member.
std::u16string doc_of(ITypeInfo* info, MEMBERID id) {
    BSTR name = nullptr, help = nullptr;
    EXPECT_EQ(info->GetDocumentation(id, id == MEMBERID_NIL ? &name : nullptr,
                                     id == MEMBERID_NIL ? nullptr : &help, nullptr, nullptr),
              S_OK);
    return take(name ? name : help);
}

ITypeInfo* class_info_of(IUnknown* object) {
    IProvideClassInfo* provider = nullptr;
    EXPECT_EQ(object->QueryInterface(IID_IProvideClassInfo, reinterpret_cast<void**>(&provider)),
              S_OK);
    if (!provider)
        return nullptr;
    ITypeInfo* info = nullptr;
    EXPECT_EQ(provider->GetClassInfo(&info), S_OK);
    provider->Release();
    return info;
}

// The implemented type with exactly these flags, as a host finds it.
ITypeInfo* implemented(ITypeInfo* coclass, INT wanted) {
    ITypeInfo* found = nullptr;
    for (UINT i = 0, n = attr_of(coclass).cImplTypes; i < n && !found; ++i) {
        INT flags = -1;
        EXPECT_EQ(coclass->GetImplTypeFlags(i, &flags), S_OK);
        if (flags != wanted)
            continue;
        HREFTYPE ref = 0;
        EXPECT_EQ(coclass->GetRefTypeOfImplType(i, &ref), S_OK);
        EXPECT_EQ(coclass->GetRefTypeInfo(ref, &found), S_OK);
    }
    return found;
}

std::vector<SeenEvent> read_events(ITypeInfo* events) {
    std::vector<SeenEvent> seen;
    const TYPEATTR attr = attr_of(events);
    EXPECT_EQ(attr.typekind, TKIND_DISPATCH);
    for (UINT i = 0; i < attr.cFuncs; ++i) {
        FUNCDESC* f = nullptr;
        EXPECT_EQ(events->GetFuncDesc(i, &f), S_OK);
        SeenEvent e;
        e.id = f->memid;
        EXPECT_EQ(f->invkind, INVOKE_FUNC);
        EXPECT_EQ(f->funckind, FUNC_DISPATCH);
        EXPECT_EQ(f->elemdescFunc.tdesc.vt, VT_VOID);
        for (SHORT p = 0; p < f->cParams; ++p) {
            const ELEMDESC& param = f->lprgelemdescParam[p];
            EXPECT_EQ(param.tdesc.vt, VT_PTR); // every event argument goes by reference
            EXPECT_EQ(param.paramdesc.wParamFlags, PARAMFLAG_FIN | PARAMFLAG_FOUT);
            e.types.push_back(param.tdesc.vt == VT_PTR ? param.tdesc.lptdesc->vt
                                                       : VARTYPE(VT_EMPTY));
        }
        BSTR names[16] = {};
        UINT got = 0;
        EXPECT_EQ(events->GetNames(f->memid, names, 16, &got), S_OK);
        EXPECT_EQ(got, UINT(f->cParams + 1));
        for (UINT n = 0; n < got; ++n)
            (n == 0 ? e.name : e.params.emplace_back()) = take(names[n]);
        e.doc = doc_of(events, f->memid);
        events->ReleaseFuncDesc(f);
        seen.push_back(std::move(e));
    }
    return seen;
}

// The whole walk, leaving nothing held.
std::vector<SeenEvent> host_walk(const Class& c) {
    IDispatch* object = test::create(*c.clsid);
    if (!object)
        return {};
    ITypeInfo* coclass = class_info_of(object);
    EXPECT_EQ(object->Release(), 0u); // the type information does not hold the object
    if (!coclass)
        return {};
    std::vector<SeenEvent> seen;
    if (ITypeInfo* events = implemented(coclass, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE)) {
        seen = read_events(events);
        EXPECT_EQ(events->Release(), 0u);
    } else {
        ADD_FAILURE() << "no default source";
    }
    EXPECT_EQ(coclass->Release(), 0u);
    return seen;
}

TEST(ClassInfo, HostWalkFindsEveryEventOfTheTable) {
    size_t total = 0;
    for (const Class& c : type_library().classes) {
        SCOPED_TRACE(to_utf8(c.name));
        const auto seen = host_walk(c);
        const auto& table = c.event_interface->members;
        ASSERT_EQ(seen.size(), table.size());
        for (size_t i = 0; i < seen.size(); ++i) {
            const Member& m = table[i];
            SCOPED_TRACE(to_utf8(m.name));
            EXPECT_EQ(seen[i].name, m.name);
            EXPECT_EQ(seen[i].id, m.dispid);
            EXPECT_EQ(seen[i].doc, m.help);
            ASSERT_EQ(seen[i].params.size(), m.params.size());
            for (size_t p = 0; p < m.params.size(); ++p) {
                EXPECT_EQ(seen[i].params[p], m.params[p].name);
                EXPECT_EQ(seen[i].types[p], value_vartype(m.params[p].type));
            }
        }
        total += seen.size();
    }
    EXPECT_EQ(total, 2u + 1 + 1 + 10 + 5 + 4u); // the controls without events add none
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

// Known events as a host binds them, independent of how the table spells them.
TEST(ClassInfo, KnownEventsBindByName) {
    struct Expected {
        ClassId cls;
        size_t index;
        const char16_t* name;
        DISPID id;
        std::vector<std::u16string> params;
        std::vector<VARTYPE> types;
    };
    const Expected cases[] = {
        {ClassId::O2007Hover,
         0,
         u"MouseUp",
         1,
         {u"Button", u"Shift", u"X", u"Y"},
         {VT_I2, VT_I2, VT_R4, VT_R4}},
        {ClassId::O2007Hover, 4, u"KeyUp", 5, {u"KeyCode", u"Shift"}, {VT_I2, VT_I2}},
        {ClassId::O2007Check, 3, u"MouseLeave", 4, {}, {}},
        {ClassId::HoverButton, 1, u"PopClick", 2, {}, {}},
        {ClassId::GradientButton, 7, u"MouseDownRepeat", 8, {u"MouseOverControl"}, {VT_BOOL}},
        {ClassId::GradientButton, 2, u"KeyPress", 3, {u"KeyAscii"}, {VT_I2}},
        {ClassId::clsPromptEvents,
         0,
         u"EventRaised",
         1,
         {u"strObject", u"strEventName", u"strEventData"},
         {VT_BSTR, VT_BSTR, VT_BSTR}},
    };
    for (const auto& want : cases) {
        SCOPED_TRACE(to_utf8(want.name));
        const auto seen = host_walk(class_entry(want.cls));
        ASSERT_LT(want.index, seen.size());
        const SeenEvent& e = seen[want.index];
        EXPECT_EQ(e.name, want.name);
        EXPECT_EQ(e.id, want.id);
        EXPECT_EQ(e.params, want.params);
        EXPECT_EQ(e.types, want.types);
    }
    const auto gradient = host_walk(class_entry(ClassId::GradientButton));
    ASSERT_FALSE(gradient.empty());
    EXPECT_EQ(gradient[0].doc,
              u"Occurs when the user presses and then releases a mouse button over an object.");
}

TEST(ClassInfo, CoclassDescribesTheClassAndLeadsToItsInterfaces) {
    for (const Class& c : type_library().classes) {
        SCOPED_TRACE(to_utf8(c.name));
        IDispatch* object = test::create(*c.clsid);
        ASSERT_NE(object, nullptr);
        ITypeInfo* coclass = class_info_of(object);
        ASSERT_NE(coclass, nullptr);
        const TYPEATTR attr = attr_of(coclass);
        EXPECT_EQ(attr.guid, *c.clsid);
        // Kind, implemented types, own members, locale, version.
        EXPECT_EQ(
            std::tie(attr.typekind, attr.cImplTypes, attr.cFuncs, attr.lcid, attr.wMajorVerNum,
                     attr.wMinorVerNum),
            std::make_tuple(TKIND_COCLASS, SHORT(2), SHORT(0), LCID(0x409), WORD(1), WORD(4)));
        const WORD flags = c.kind == ClassKind::Control ? TYPEFLAG_FCANCREATE | TYPEFLAG_FCONTROL
                                                        : TYPEFLAG_FCANCREATE;
        EXPECT_EQ(attr.wTypeFlags, flags);
        // The dual first, then the default source.
        for (INT i = 0, flags = -1; i < 2; ++i, flags = -1) {
            EXPECT_EQ(coclass->GetImplTypeFlags(UINT(i), &flags), S_OK);
            EXPECT_EQ(flags, IMPLTYPEFLAG_FDEFAULT | (i ? IMPLTYPEFLAG_FSOURCE : 0)) << i;
        }
        EXPECT_EQ(doc_of(coclass, MEMBERID_NIL), c.name);

        // The default interface is the one the object hands out itself.
        ITypeInfo* dual = implemented(coclass, IMPLTYPEFLAG_FDEFAULT);
        ASSERT_NE(dual, nullptr);
        ITypeInfo* own = nullptr;
        ASSERT_EQ(object->GetTypeInfo(0, 0x409, &own), S_OK);
        const TYPEATTR d = attr_of(dual), o = attr_of(own);
        EXPECT_EQ(d.guid, *c.default_interface->iid);
        EXPECT_EQ(d.guid, o.guid);
        EXPECT_EQ(d.typekind, TKIND_INTERFACE);
        EXPECT_EQ(d.cFuncs, o.cFuncs);

        ITypeInfo* events = implemented(coclass, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE);
        ASSERT_NE(events, nullptr);
        const TYPEATTR e = attr_of(events);
        EXPECT_EQ(e.guid, *c.event_interface->iid);
        EXPECT_EQ(e.cbSizeVft, 7 * sizeof(void*)); // IUnknown and IDispatch only
        EXPECT_EQ(e.wTypeFlags & TYPEFLAG_FHIDDEN, TYPEFLAG_FHIDDEN);
        EXPECT_EQ(doc_of(events, MEMBERID_NIL), c.event_interface->name);

        EXPECT_EQ(events->Release(), 0u);
        EXPECT_EQ(own->Release(), 0u);
        EXPECT_EQ(dual->Release(), 0u);
        EXPECT_EQ(coclass->Release(), 0u);
        EXPECT_EQ(object->Release(), 0u);
    }
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

TEST(ClassInfo, BadInputIsRefused) {
    IDispatch* hover = test::create(CLSID_O2007Hover);
    ASSERT_NE(hover, nullptr);
    IProvideClassInfo* provider = nullptr;
    ASSERT_EQ(hover->QueryInterface(IID_IProvideClassInfo, reinterpret_cast<void**>(&provider)),
              S_OK);
    EXPECT_EQ(provider->GetClassInfo(nullptr), E_POINTER);
    ITypeInfo* coclass = nullptr;
    ASSERT_EQ(provider->GetClassInfo(&coclass), S_OK);

    HREFTYPE ref = 7;
    INT flags = 7;
    EXPECT_EQ(coclass->GetTypeAttr(nullptr), E_POINTER);
    EXPECT_EQ(coclass->GetImplTypeFlags(0, nullptr), E_POINTER);
    EXPECT_EQ(coclass->GetRefTypeOfImplType(0, nullptr), E_POINTER);
    EXPECT_EQ(coclass->GetImplTypeFlags(2, &flags), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(flags, 0);
    EXPECT_EQ(coclass->GetRefTypeOfImplType(2, &ref), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(coclass->GetRefTypeOfImplType(UINT(-1), &ref), TYPE_E_ELEMENTNOTFOUND);
    ASSERT_EQ(coclass->GetRefTypeOfImplType(1, &ref), S_OK);
    EXPECT_EQ(coclass->GetRefTypeInfo(ref, nullptr), E_POINTER);

    // References handed out by another class, and made-up ones, lead nowhere.
    IDispatch* check = test::create(CLSID_O2007Check);
    ASSERT_NE(check, nullptr);
    ITypeInfo* other_class = class_info_of(check);
    ASSERT_NE(other_class, nullptr);
    HREFTYPE foreign_refs[3] = {0, 0, 0xFFFFFFFF};
    ASSERT_EQ(other_class->GetRefTypeOfImplType(0, &foreign_refs[0]), S_OK);
    ASSERT_EQ(other_class->GetRefTypeOfImplType(1, &foreign_refs[1]), S_OK);
    for (HREFTYPE bad : foreign_refs) {
        ITypeInfo* got = reinterpret_cast<ITypeInfo*>(1);
        EXPECT_EQ(coclass->GetRefTypeInfo(bad, &got), TYPE_E_ELEMENTNOTFOUND);
        EXPECT_EQ(got, nullptr);
    }

    // A coclass has no members of its own.
    FUNCDESC* f = reinterpret_cast<FUNCDESC*>(1);
    EXPECT_EQ(coclass->GetFuncDesc(0, &f), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(f, nullptr);
    BSTR name = nullptr;
    EXPECT_EQ(coclass->GetDocumentation(1, &name, nullptr, nullptr, nullptr),
              TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(name, nullptr);

    // The event interface: members out of range; its one base is IDispatch, used plainly,
    // whose own type information is not part of the library.
    ITypeInfo* events = nullptr;
    ASSERT_EQ(coclass->GetRefTypeInfo(ref, &events), S_OK);
    EXPECT_EQ(events->GetFuncDesc(5, &f), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(events->GetFuncDesc(0, nullptr), E_POINTER);
    UINT got = 9;
    EXPECT_EQ(events->GetNames(99, &name, 1, &got), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(events->GetImplTypeFlags(0, &flags), S_OK);
    EXPECT_EQ(flags, 0);
    EXPECT_EQ(events->GetImplTypeFlags(1, &flags), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(events->GetRefTypeOfImplType(1, &ref), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(events->GetRefTypeOfImplType(0, &ref), E_NOTIMPL);
    IErrorInfo* error = nullptr;
    ASSERT_EQ(GetErrorInfo(0, &error), S_OK);
    BSTR text = nullptr;
    error->GetDescription(&text);
    EXPECT_EQ(take(text), u"ITypeInfo::GetRefTypeOfImplType is not implemented yet");
    error->Release();

    EXPECT_EQ(events->Release(), 0u);
    EXPECT_EQ(other_class->Release(), 0u);
    EXPECT_EQ(coclass->Release(), 0u);
    provider->Release();
    EXPECT_EQ(check->Release(), 0u);
    EXPECT_EQ(hover->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

TEST(ClassInfo, ObjectIdentityAndCountsBalance) {
    IDispatch* relay = test::create(CLSID_clsPromptEvents);
    ASSERT_NE(relay, nullptr);
    IProvideClassInfo* provider = nullptr;
    ASSERT_EQ(relay->QueryInterface(IID_IProvideClassInfo, reinterpret_cast<void**>(&provider)),
              S_OK);
    EXPECT_EQ(test::refs(relay), 2u);
    IUnknown *a = nullptr, *b = nullptr;
    ASSERT_EQ(provider->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&a)), S_OK);
    ASSERT_EQ(relay->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&b)), S_OK);
    EXPECT_EQ(a, b);
    void* dispatch = nullptr;
    ASSERT_EQ(provider->QueryInterface(IID_IDispatch, &dispatch), S_OK);
    EXPECT_EQ(dispatch, relay);
    static_cast<IDispatch*>(dispatch)->Release();
    a->Release();
    b->Release();

    // Type information outlives the object and keeps the module loaded until released.
    ITypeInfo* coclass = nullptr;
    ASSERT_EQ(provider->GetClassInfo(&coclass), S_OK);
    provider->Release();
    EXPECT_EQ(relay->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE);
    ITypeInfo* events = implemented(coclass, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE);
    ASSERT_NE(events, nullptr);
    EXPECT_EQ(test::refs(coclass), 1u);
    EXPECT_EQ(coclass->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE); // the event interface's information is alive
    void* same = nullptr;
    EXPECT_EQ(events->QueryInterface(IID_IProvideClassInfo, &same), E_NOINTERFACE);
    EXPECT_EQ(events->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

} // namespace
