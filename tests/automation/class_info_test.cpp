#include <paginor/PaginorV2CTL.h>

#include "automation/dispatch.h"
#include "automation/variant.h"
#include "library/classes.h"
#include "platform/core/unicode.h"
#include "support/objects.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

using namespace paginor;
using namespace paginor::automation;
using namespace paginor::library;
using test::Ref;

namespace {

// One event as a host binds it: "<id> <name> <param>:<vartype> ... | <help>", the
// pointed-to type of a by-reference parameter.
std::string signature(DISPID id, std::u16string_view name,
                      const std::vector<std::pair<std::u16string, VARTYPE>>& params,
                      std::u16string_view help) {
    std::string out = std::to_string(id) + " " + to_utf8(name);
    for (const auto& [param, vt] : params)
        out += " " + to_utf8(param) + ":" + std::to_string(vt);
    return out + " | " + to_utf8(help);
}

std::u16string take(BSTR b) {
    return std::u16string(Bstr::adopt(b).view());
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

Ref<ITypeInfo> class_info_of(IUnknown* object) {
    auto provider = test::query<IProvideClassInfo>(object, IID_IProvideClassInfo);
    Ref<ITypeInfo> info;
    EXPECT_TRUE(provider && provider->GetClassInfo(info.put()) == S_OK);
    return info;
}

// The implemented type with exactly these flags, as a host finds it.
Ref<ITypeInfo> implemented(ITypeInfo* coclass, INT wanted) {
    Ref<ITypeInfo> found;
    for (UINT i = 0, n = attr_of(coclass).cImplTypes; i < n && !found; ++i) {
        INT flags = -1;
        HREFTYPE ref = 0;
        EXPECT_EQ(coclass->GetImplTypeFlags(i, &flags), S_OK);
        if (flags == wanted) {
            EXPECT_EQ(coclass->GetRefTypeOfImplType(i, &ref), S_OK);
            EXPECT_EQ(coclass->GetRefTypeInfo(ref, found.put()), S_OK);
        }
    }
    return found;
}

std::vector<std::string> read_events(ITypeInfo* events) {
    std::vector<std::string> seen;
    const TYPEATTR attr = attr_of(events);
    EXPECT_EQ(attr.typekind, TKIND_DISPATCH);
    for (UINT i = 0; i < attr.cFuncs; ++i) {
        FUNCDESC* f = nullptr;
        EXPECT_EQ(events->GetFuncDesc(i, &f), S_OK);
        EXPECT_EQ(std::tie(f->invkind, f->funckind, f->elemdescFunc.tdesc.vt),
                  std::make_tuple(INVOKE_FUNC, FUNC_DISPATCH, VARTYPE(VT_VOID)));
        BSTR names[16] = {};
        UINT got = 0;
        EXPECT_EQ(events->GetNames(f->memid, names, 16, &got), S_OK);
        EXPECT_EQ(got, UINT(f->cParams + 1));
        std::vector<std::pair<std::u16string, VARTYPE>> params;
        for (SHORT p = 0; p < f->cParams; ++p) {
            const ELEMDESC& param = f->lprgelemdescParam[p];
            EXPECT_EQ(param.tdesc.vt, VT_PTR); // every event argument goes by reference
            EXPECT_EQ(param.paramdesc.wParamFlags, PARAMFLAG_FIN | PARAMFLAG_FOUT);
            params.emplace_back(take(names[p + 1]), param.tdesc.vt == VT_PTR
                                                        ? param.tdesc.lptdesc->vt
                                                        : VARTYPE(VT_EMPTY));
        }
        seen.push_back(signature(f->memid, take(names[0]), params, doc_of(events, f->memid)));
        events->ReleaseFuncDesc(f);
    }
    return seen;
}

// Every test ends with nothing of the library alive.
class ClassInfo : public ::testing::Test {
    void TearDown() override { EXPECT_EQ(DllCanUnloadNow(), S_OK); }
};

// The walk a form host makes to bind handlers by name, checked against the table and then
// against known events.
TEST_F(ClassInfo, CoclassLeadsToItsInterfacesAndEveryEventOfTheTable) {
    std::map<std::u16string_view, std::vector<std::string>> walked;
    for (const Class& c : type_library().classes) {
        SCOPED_TRACE(to_utf8(c.name));
        Ref<IDispatch> object = test::create(*c.clsid);
        ASSERT_TRUE(object);
        EXPECT_TRUE(test::query<IUnknown>(object.get(), *c.default_interface->iid));
        Ref<ITypeInfo> coclass = class_info_of(object.get());
        ASSERT_TRUE(coclass);
        // Identifier, kind, implemented types, own members, locale, version, flags.
        const TYPEATTR attr = attr_of(coclass.get());
        const WORD flags = c.kind == ClassKind::Control ? TYPEFLAG_FCANCREATE | TYPEFLAG_FCONTROL
                                                        : TYPEFLAG_FCANCREATE;
        EXPECT_EQ(std::tie(attr.guid, attr.typekind, attr.cImplTypes, attr.cFuncs, attr.lcid,
                           attr.wMajorVerNum, attr.wMinorVerNum, attr.wTypeFlags),
                  std::make_tuple(*c.clsid, TKIND_COCLASS, SHORT(2), SHORT(0), LCID(0x409), WORD(1),
                                  WORD(4), flags));
        // The dual first, then the default source.
        for (INT i = 0, flags = -1; i < 2; ++i, flags = -1) {
            EXPECT_EQ(coclass->GetImplTypeFlags(UINT(i), &flags), S_OK);
            EXPECT_EQ(flags, IMPLTYPEFLAG_FDEFAULT | (i ? IMPLTYPEFLAG_FSOURCE : 0)) << i;
        }
        EXPECT_EQ(doc_of(coclass.get(), MEMBERID_NIL), c.name);

        // The default interface is the one the object hands out itself.
        Ref<ITypeInfo> dual = implemented(coclass.get(), IMPLTYPEFLAG_FDEFAULT), own;
        ASSERT_TRUE(dual);
        ASSERT_EQ(object->GetTypeInfo(0, 0x409, own.put()), S_OK);
        const TYPEATTR d = attr_of(dual.get()), o = attr_of(own.get());
        EXPECT_EQ(std::tie(d.guid, d.cFuncs, d.typekind),
                  std::make_tuple(*c.default_interface->iid, o.cFuncs, TKIND_INTERFACE));
        EXPECT_EQ(o.guid, d.guid);

        // The event interface: IUnknown and IDispatch only in its table, hidden.
        auto events = implemented(coclass.get(), IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE);
        ASSERT_TRUE(events);
        const TYPEATTR e = attr_of(events.get());
        EXPECT_EQ(std::tie(e.guid, e.cbSizeVft, e.wTypeFlags),
                  std::make_tuple(*c.event_interface->iid, WORD(7 * sizeof(void*)),
                                  WORD(e.wTypeFlags | TYPEFLAG_FHIDDEN)));
        EXPECT_EQ(doc_of(events.get(), MEMBERID_NIL), c.event_interface->name);

        std::vector<std::string> table;
        for (const Member& m : c.event_interface->members) {
            std::vector<std::pair<std::u16string, VARTYPE>> params;
            for (const auto& p : m.params)
                params.emplace_back(p.name, value_vartype(p.type));
            table.push_back(signature(m.dispid, m.name, params, m.help));
        }
        EXPECT_EQ(walked[c.name] = read_events(events.get()), table);
        EXPECT_EQ(object.detach()->Release(), 0u) << "the type information holds no object";
    }

    // Known events as a host binds them, independent of how the table spells them
    // (VT_I2 2, VT_R4 4, VT_BSTR 8, VT_BOOL 11).
    const std::tuple<ClassId, size_t, std::string> known[] = {
        {ClassId::O2007Hover, 0, "1 MouseUp Button:2 Shift:2 X:4 Y:4"},
        {ClassId::O2007Hover, 4, "5 KeyUp KeyCode:2 Shift:2"},
        {ClassId::O2007Check, 3, "4 MouseLeave"},
        {ClassId::HoverButton, 1, "2 PopClick"},
        {ClassId::GradientButton, 7, "8 MouseDownRepeat MouseOverControl:11"},
        {ClassId::GradientButton, 2, "3 KeyPress KeyAscii:2"},
        {ClassId::clsPromptEvents, 0, "1 EventRaised strObject:8 strEventName:8 strEventData:8"},
    };
    for (const auto& [cls, index, want] : known) {
        const auto& seen = walked[class_entry(cls).name];
        ASSERT_LT(index, seen.size()) << want;
        EXPECT_EQ(seen[index].substr(0, seen[index].find(" | ")), want);
    }
    EXPECT_TRUE(walked[u"GradientButton"][0].ends_with(
        " | Occurs when the user presses and then releases a mouse button over an object."));
}

TEST_F(ClassInfo, BadInputIsRefused) {
    Ref<IDispatch> hover = test::create(CLSID_O2007Hover), check = test::create(CLSID_O2007Check);
    auto provider = test::query<IProvideClassInfo>(hover.get(), IID_IProvideClassInfo);
    ASSERT_TRUE(provider);
    EXPECT_EQ(provider->GetClassInfo(nullptr), E_POINTER);
    Ref<ITypeInfo> coclass = class_info_of(hover.get());
    ASSERT_TRUE(coclass);

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
    Ref<ITypeInfo> other_class = class_info_of(check.get());
    ASSERT_TRUE(other_class);
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
    Ref<ITypeInfo> events;
    ASSERT_EQ(coclass->GetRefTypeInfo(ref, events.put()), S_OK);
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
    Ref<IErrorInfo> error;
    ASSERT_EQ(GetErrorInfo(0, error.put()), S_OK);
    BSTR text = nullptr;
    error->GetDescription(&text);
    EXPECT_EQ(take(text), u"ITypeInfo::GetRefTypeOfImplType is not implemented yet");
}

TEST_F(ClassInfo, ObjectIdentityAndCountsBalance) {
    Ref<IDispatch> relay = test::create(CLSID_clsPromptEvents);
    auto provider = test::query<IProvideClassInfo>(relay.get(), IID_IProvideClassInfo);
    ASSERT_TRUE(provider);
    EXPECT_EQ(test::refs(relay.get()), 2u);
    EXPECT_TRUE(test::same_object(provider.get(), relay.get()));
    EXPECT_EQ(test::query<IDispatch>(provider.get(), IID_IDispatch).get(), relay.get());

    // Type information outlives the object and keeps the module loaded until released.
    Ref<ITypeInfo> coclass;
    ASSERT_EQ(provider->GetClassInfo(coclass.put()), S_OK);
    provider.reset();
    EXPECT_EQ(relay.detach()->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE);
    auto events = implemented(coclass.get(), IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE);
    ASSERT_TRUE(events);
    EXPECT_EQ(coclass.detach()->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE); // the event interface's information is alive
    EXPECT_FALSE(test::query<IProvideClassInfo>(events.get(), IID_IProvideClassInfo));
}

TEST_F(ClassInfo, DualInterfaceMembersAsATypedHostReadsThem) {
    Ref<IDispatch> ddoc = test::create(CLSID_DDOC);
    UINT count = 0;
    EXPECT_EQ(ddoc->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
    Ref<ITypeInfo> info;
    EXPECT_EQ(ddoc->GetTypeInfo(1, 0, info.put()), DISP_E_BADINDEX);
    ASSERT_EQ(ddoc->GetTypeInfo(0, 0x409, info.put()), S_OK);
    const TYPEATTR attr = attr_of(info.get());
    EXPECT_EQ(std::tie(attr.guid, attr.cFuncs), std::make_tuple(IID__DDOC, SHORT(10)));
    EXPECT_EQ(attr.wTypeFlags & (TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL),
              TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL);
    FUNCDESC* f = nullptr;
    ASSERT_EQ(info->GetFuncDesc(8, &f), S_OK); // CopyDocEvenIfOpen
    EXPECT_EQ(
        std::tie(f->memid, f->invkind, f->cParams, f->oVft),
        std::make_tuple(MEMBERID(0x6003000F), INVOKE_FUNC, SHORT(2), SHORT(15 * sizeof(void*))));
    EXPECT_EQ(f->lprgelemdescParam[1].tdesc.vt, VT_BSTR);
    BSTR names[4] = {};
    UINT got = 0;
    ASSERT_EQ(info->GetNames(f->memid, names, 4, &got), S_OK);
    ASSERT_EQ(got, 3u);
    const std::u16string first = take(names[0]), second = take(names[1]), third = take(names[2]);
    EXPECT_EQ(first + u" " + third, u"CopyDocEvenIfOpen strTo");
    info->ReleaseFuncDesc(f);
    EXPECT_EQ(info->GetFuncDesc(10, &f), TYPE_E_ELEMENTNOTFOUND);
}

} // namespace
