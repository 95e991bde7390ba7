// Late-bound calls against the table: name lookup, argument errors with their exact
// HRESULTs and positions, by-reference results, and the same outcome as a typed call.
#include <paginor/automation.h>

#include "automation/error_info.h"
#include "automation/variant.h"
#include "support/objects.h"

#include <gtest/gtest.h>

#include <vector>

using namespace paginor;
using frame::Bstr;
using frame::bstr_view;
using frame::Variant;

namespace {

struct Call {
    HRESULT hr;
    Variant result;
    EXCEPINFO excep{};
    UINT arg_err = 0xFFFF;
    ~Call() {
        SysFreeString(excep.bstrSource);
        SysFreeString(excep.bstrDescription);
    }
};

// Arguments in declaration order; reversed into rgvarg as a host does.
void invoke(Call& c, IDispatch* d, DISPID id, WORD flags, std::vector<VARIANT> args,
            std::vector<DISPID> named = {}) {
    std::vector<VARIANT> rg(args.rbegin(), args.rend());
    DISPPARAMS p{rg.data(), named.data(), UINT(rg.size()), UINT(named.size())};
    c.hr = d->Invoke(id, IID_NULL, 0x409, flags, &p, c.result.out(), &c.excep, &c.arg_err);
}

VARIANT str(BSTR b) {
    VARIANT v{};
    v.vt = VT_BSTR;
    v.bstrVal = b;
    return v;
}
VARIANT i4(LONG n) {
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = n;
    return v;
}

DISPID id_of(IDispatch* d, const char16_t* name) {
    OLECHAR* names[] = {const_cast<OLECHAR*>(name)};
    DISPID id = 0;
    EXPECT_EQ(d->GetIDsOfNames(IID_NULL, names, 1, 0x409, &id), S_OK);
    return id;
}

} // namespace

TEST(Dispatch, GetIDsOfNamesIgnoresCaseAndMapsNamedArguments) {
    IDispatch* mp = test::create(CLSID_MultiPrompt);
    struct Row {
        std::vector<const char16_t*> names;
        HRESULT hr;
        std::vector<DISPID> ids;
    };
    const Row rows[] = {
        {{u"mycode"}, S_OK, {0x68030008}},
        {{u"ADDSELECTION", u"strdescription", u"strKey"}, S_OK, {0x6003000F, 1, 0}},
        {{u"AddSelection", u"strNope", u"strKey"}, DISP_E_UNKNOWNNAME, {0x6003000F, -1, 0}},
        {{u"NoSuchMember", u"strKey"}, DISP_E_UNKNOWNNAME, {-1, -1}},
    };
    for (const auto& r : rows) {
        std::vector<DISPID> ids(r.names.size(), 12345);
        auto names = r.names;
        EXPECT_EQ(mp->GetIDsOfNames(IID_NULL, const_cast<OLECHAR**>(names.data()),
                                    UINT(names.size()), 0x409, ids.data()),
                  r.hr);
        EXPECT_EQ(ids, r.ids);
    }
    IDispatch* gb = test::create(CLSID_GradientButton);
    EXPECT_EQ(id_of(gb, u"font"), DISPID(0xFFFFFE00));
    OLECHAR* one[] = {const_cast<OLECHAR*>(u"Caption")};
    DISPID id = 0;
    EXPECT_EQ(gb->GetIDsOfNames(IID_IDispatch, one, 1, 0, &id), DISP_E_UNKNOWNINTERFACE);
    EXPECT_EQ(gb->GetIDsOfNames(IID_NULL, nullptr, 1, 0, &id), E_POINTER);
    gb->Release();
    EXPECT_EQ(mp->Release(), 0u);
}

TEST(Dispatch, InvokeArgumentErrors) {
    IDispatch* mp = test::create(CLSID_MultiPrompt);
    Bstr a(u"a"), b(u"b");
    DISPID put = DISPID_PROPERTYPUT;
    struct Row {
        const char* what;
        DISPID id;
        WORD flags;
        std::vector<VARIANT> args;
        std::vector<DISPID> named;
        HRESULT hr;
        UINT arg_err;
    };
    VARIANT nothing{};
    nothing.vt = VT_ERROR;
    nothing.scode = DISP_E_PARAMNOTFOUND;
    VARIANT word = str(Bstr(u"twelve").release());
    const Row rows[] = {
        {"unknown dispid", 0x6803007F, DISPATCH_METHOD, {}, {}, DISP_E_MEMBERNOTFOUND, 0xFFFF},
        {"too many",
         0x6003000F,
         DISPATCH_METHOD,
         {str(a.get()), str(b.get()), i4(1)},
         {},
         DISP_E_BADPARAMCOUNT,
         0xFFFF},
        {"too few", 0x6003000F, DISPATCH_METHOD, {str(a.get())}, {}, DISP_E_BADPARAMCOUNT, 0xFFFF},
        {"placeholder for a required one",
         0x6003000F,
         DISPATCH_METHOD,
         {nothing, str(b.get())},
         {},
         DISP_E_PARAMNOTOPTIONAL,
         0xFFFF},
        {"named gap",
         0x6003000F,
         DISPATCH_METHOD,
         {str(b.get())},
         {1},
         DISP_E_PARAMNOTOPTIONAL,
         0xFFFF},
        {"unknown named",
         0x6003000F,
         DISPATCH_METHOD,
         {str(a.get()), str(b.get())},
         {7, 0},
         DISP_E_PARAMNOTFOUND,
         0},
        {"get of a let-only property",
         0x6803000D,
         DISPATCH_PROPERTYGET,
         {},
         {},
         DISP_E_MEMBERNOTFOUND,
         0xFFFF},
        {"let of a get-only property",
         0x68030005,
         DISPATCH_PROPERTYPUT,
         {i4(0)},
         {put},
         DISP_E_MEMBERNOTFOUND,
         0xFFFF},
        {"put with two values",
         0x68030008,
         DISPATCH_PROPERTYPUT,
         {str(a.get()), str(b.get())},
         {put},
         DISP_E_BADPARAMCOUNT,
         0xFFFF},
        {"uncoercible put",
         0x6803000C,
         DISPATCH_PROPERTYPUT,
         {word},
         {put},
         DISP_E_TYPEMISMATCH,
         0},
        {"uncoercible first of three",
         0x60030012,
         DISPATCH_METHOD,
         {i4(1), str(a.get()), i4(2)},
         {},
         S_OK,
         0xFFFF},
        {"object parameter of the wrong class",
         0x6003000E,
         DISPATCH_METHOD,
         {i4(5)},
         {},
         DISP_E_TYPEMISMATCH,
         0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Call c;
        invoke(c, mp, r.id, r.flags, r.args, r.named);
        if (r.hr == S_OK) // numbers coerce to text: the member itself answers, not built yet
            EXPECT_EQ(c.hr, DISP_E_EXCEPTION);
        else
            EXPECT_EQ(c.hr, r.hr);
        EXPECT_EQ(c.arg_err, r.arg_err);
    }
    VariantClear(&word);
    // Position of a failing argument counts in rgvarg order (last argument = 0).
    IDispatch* pf = test::create(CLSID_PromptField);
    Bstr bad(u"x");
    Call c;
    invoke(c, pf, 0x60030015, DISPATCH_METHOD, {str(bad.get())});
    EXPECT_EQ(c.hr, DISP_E_TYPEMISMATCH);
    EXPECT_EQ(c.arg_err, 0u);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    EXPECT_EQ(
        pf->Invoke(0x60030015, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr),
        E_POINTER);
    EXPECT_EQ(
        pf->Invoke(0x6003000C, IID_IDispatch, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
        DISP_E_UNKNOWNINTERFACE);
    EXPECT_EQ(pf->Release(), 0u);
    EXPECT_EQ(mp->Release(), 0u);
}

TEST(Dispatch, UnbuiltMemberFailsTheSameTypedAndLateBound) {
    _GradientButton* gb = test::create<_GradientButton>(CLSID_GradientButton, IID__GradientButton);
    Bstr caption;
    frame::clear_error();
    EXPECT_EQ(gb->get_Caption(caption.out()), E_NOTIMPL);
    IErrorInfo* info = nullptr;
    ASSERT_EQ(GetErrorInfo(0, &info), S_OK);
    Bstr source, description;
    info->GetSource(source.out());
    info->GetDescription(description.out());
    info->Release();
    EXPECT_EQ(source.view(), u"PaginorV2CTL.GradientButton");
    EXPECT_EQ(description.view(), u"Caption is not implemented yet");
    EXPECT_EQ(GetErrorInfo(0, &info), S_FALSE); // taken
    EXPECT_EQ(info, nullptr);

    Call c;
    invoke(c, gb, id_of(gb, u"Caption"), DISPATCH_PROPERTYGET | DISPATCH_METHOD, {});
    EXPECT_EQ(c.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(c.excep.scode, E_NOTIMPL);
    EXPECT_EQ(bstr_view(c.excep.bstrSource), source.view());
    EXPECT_EQ(bstr_view(c.excep.bstrDescription), description.view());
    EXPECT_EQ(c.result.vt(), VT_EMPTY);

    ISupportErrorInfo* support = nullptr;
    ASSERT_EQ(gb->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support)), S_OK);
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID__GradientButton), S_OK);
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID__DDOC), S_FALSE);
    support->Release();
    EXPECT_EQ(gb->Release(), 0u);
}

TEST(Dispatch, ByReferenceArgumentComesBackLateBound) {
    IDispatch* relay = test::create(CLSID_clsPromptEvents);
    Bstr data(u"before");
    BSTR held = data.release();
    VARIANT ref{};
    ref.vt = VT_BYREF | VT_BSTR;
    ref.pbstrVal = &held;
    Bstr o(u"pf"), e(u"Changed");
    Call c;
    // No sink: the data stays, the call succeeds.
    invoke(c, relay, 0x60030000, DISPATCH_METHOD, {str(o.get()), str(e.get()), ref});
    EXPECT_EQ(c.hr, S_OK);
    EXPECT_EQ(bstr_view(held), u"before");
    SysFreeString(held);
    // The data given by value through a VT_BYREF|VT_VARIANT gets a string back.
    Variant inner(LONG(5));
    VARIANT vref{};
    vref.vt = VT_BYREF | VT_VARIANT;
    vref.pvarVal = inner.get();
    Call c2;
    invoke(c2, relay, 0x60030000, DISPATCH_METHOD, {str(o.get()), str(e.get()), vref});
    EXPECT_EQ(c2.hr, S_OK);
    EXPECT_EQ(inner.vt(), VT_BSTR);
    EXPECT_EQ(bstr_view(inner->bstrVal), u"5");
    EXPECT_EQ(relay->Release(), 0u);
}

TEST(Objects, QueryInterfaceAnswersEarlierIdentifiers) {
    struct Row {
        const CLSID* clsid;
        const IID* current;
        std::vector<const IID*> earlier;
    };
    const Row rows[] = {
        {&CLSID_DDOC, &IID__DDOC, {&IID_DDOC___v0}},
        {&CLSID_PromptField, &IID__PromptField, {&IID_PromptField___v0, &IID_PromptField___v1}},
        {&CLSID_MultiPrompt, &IID__MultiPrompt, {&IID_MultiPrompt___v0}},
        {&CLSID_O2007Hover, &IID__O2007Hover, {}},
    };
    for (const auto& r : rows) {
        IDispatch* d = test::create(*r.clsid);
        void* current = nullptr;
        ASSERT_EQ(d->QueryInterface(*r.current, &current), S_OK);
        EXPECT_EQ(current, d); // the dual interface is the object's IDispatch
        for (const IID* iid : r.earlier) {
            void* alias = nullptr;
            EXPECT_EQ(d->QueryInterface(*iid, &alias), S_OK);
            EXPECT_EQ(alias, current);
            static_cast<IUnknown*>(alias)->Release();
        }
        void* none = reinterpret_cast<void*>(1);
        EXPECT_EQ(d->QueryInterface(IID__HoverButton, &none), E_NOINTERFACE);
        EXPECT_EQ(none, nullptr);
        EXPECT_EQ(d->QueryInterface(IID_IUnknown, nullptr), E_POINTER);
        static_cast<IUnknown*>(current)->Release();
        EXPECT_EQ(d->Release(), 0u);
    }
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

TEST(Objects, TypeInfoEnumeratesTheTable) {
    IDispatch* ddoc = test::create(CLSID_DDOC);
    UINT count = 0;
    EXPECT_EQ(ddoc->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
    ITypeInfo* info = nullptr;
    EXPECT_EQ(ddoc->GetTypeInfo(1, 0, &info), DISP_E_BADINDEX);
    ASSERT_EQ(ddoc->GetTypeInfo(0, 0x409, &info), S_OK);
    TYPEATTR* attr = nullptr;
    ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
    EXPECT_EQ(attr->guid, IID__DDOC);
    EXPECT_EQ(attr->cFuncs, 10);
    EXPECT_EQ(attr->wTypeFlags & (TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL),
              TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL);
    info->ReleaseTypeAttr(attr);
    FUNCDESC* f = nullptr;
    ASSERT_EQ(info->GetFuncDesc(8, &f), S_OK); // CopyDocEvenIfOpen
    EXPECT_EQ(f->memid, 0x6003000F);
    EXPECT_EQ(f->invkind, INVOKE_FUNC);
    EXPECT_EQ(f->cParams, 2);
    EXPECT_EQ(f->oVft, SHORT(15 * sizeof(void*)));
    EXPECT_EQ(f->lprgelemdescParam[1].tdesc.vt, VT_BSTR);
    BSTR names[4] = {};
    UINT got = 0;
    ASSERT_EQ(info->GetNames(f->memid, names, 4, &got), S_OK);
    ASSERT_EQ(got, 3u);
    EXPECT_EQ(bstr_view(names[0]), u"CopyDocEvenIfOpen");
    EXPECT_EQ(bstr_view(names[2]), u"strTo");
    for (UINT i = 0; i < got; ++i)
        SysFreeString(names[i]);
    info->ReleaseFuncDesc(f);
    EXPECT_EQ(info->GetFuncDesc(10, &f), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(info->Release(), 0u);
    EXPECT_EQ(ddoc->Release(), 0u);
}
