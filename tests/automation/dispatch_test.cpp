// By-reference results typed and late-bound are in events_test.cpp.
#include <paginor/automation.h>

#include "support/ddoc_test_support.h"
#include "support/late_bound.h"

#include <gtest/gtest.h>

#include <vector>

using namespace paginor;
using automation::Bstr;
using automation::bstr_view;
using test::LateCall;
using test::long_arg;
using test::Ref;
using test::text_arg;

namespace {

class Dispatch : public ::testing::Test {
    void TearDown() override { EXPECT_EQ(DllCanUnloadNow(), S_OK); }
};

TEST_F(Dispatch, GetIDsOfNamesIgnoresCaseAndMapsNamedArguments) {
    Ref<IDispatch> mp = test::create(CLSID_MultiPrompt), gb = test::create(CLSID_GradientButton);
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
    OLECHAR* one[] = {const_cast<OLECHAR*>(u"Caption")};
    DISPID id = 0;
    EXPECT_EQ(gb->GetIDsOfNames(IID_IDispatch, one, 1, 0, &id), DISP_E_UNKNOWNINTERFACE);
    EXPECT_EQ(gb->GetIDsOfNames(IID_NULL, nullptr, 1, 0, &id), E_POINTER);
}

TEST_F(Dispatch, InvokeArgumentErrors) {
    Ref<IDispatch> mp = test::create(CLSID_MultiPrompt), pf = test::create(CLSID_PromptField);
    Bstr a(u"a"), b(u"b"), word(u"twelve"), x(u"x");
    const DISPID put = DISPID_PROPERTYPUT;
    const WORD call = DISPATCH_METHOD, get = DISPATCH_PROPERTYGET, let = DISPATCH_PROPERTYPUT;
    const UINT none = 0xFFFF;
    VARIANT nothing{};
    nothing.vt = VT_ERROR;
    nothing.scode = DISP_E_PARAMNOTFOUND;
    const VARIANT sa = text_arg(a.get()), sb = text_arg(b.get()), tw = text_arg(word.get()),
                  tx = text_arg(x.get()), one = long_arg(1), two = long_arg(2), five = long_arg(5);
    IDispatch *const m = mp.get(), *const p = pf.get();
    const HRESULT unknown = DISP_E_MEMBERNOTFOUND, count = DISP_E_BADPARAMCOUNT,
                  optional = DISP_E_PARAMNOTOPTIONAL, mismatch = DISP_E_TYPEMISMATCH;
    struct Row {
        const char* what;
        IDispatch* object;
        DISPID id;
        WORD flags;
        std::vector<VARIANT> args;
        std::vector<DISPID> named;
        HRESULT hr;
        UINT arg_err; // counted in rgvarg order: the last argument is 0
    };
    const Row rows[] = {
        {"unknown dispid", m, 0x6803007F, call, {}, {}, unknown, none},
        {"too many", m, 0x6003000F, call, {sa, sb, one}, {}, count, none},
        {"too few", m, 0x6003000F, call, {sa}, {}, count, none},
        {"placeholder for a required one", m, 0x6003000F, call, {nothing, sb}, {}, optional, none},
        {"named gap", m, 0x6003000F, call, {sb}, {1}, optional, none},
        {"unknown named", m, 0x6003000F, call, {sa, sb}, {7, 0}, DISP_E_PARAMNOTFOUND, 0},
        {"get of a let-only property", m, 0x6803000D, get, {}, {}, unknown, none},
        {"let of a get-only property", m, 0x68030005, let, {one}, {put}, unknown, none},
        {"put with two values", m, 0x68030008, let, {sa, sb}, {put}, count, none},
        {"uncoercible put", m, 0x6803000C, let, {tw}, {put}, mismatch, 0},
        // Numbers coerce to text: the member itself runs.
        {"coercible first of three", m, 0x60030012, call, {one, sa, two}, {}, S_OK, none},
        {"object parameter of the wrong class", m, 0x6003000E, call, {five}, {}, mismatch, 0},
        {"uncoercible only argument", p, 0x60030015, call, {tx}, {}, mismatch, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        LateCall c(r.object, r.id, r.flags, r.args, r.named);
        EXPECT_EQ(std::tie(c.hr, c.arg_err), std::tie(r.hr, r.arg_err));
    }
    DISPPARAMS empty{nullptr, nullptr, 0, 0};
    EXPECT_EQ(pf->Invoke(0x60030015, IID_NULL, 0, call, nullptr, nullptr, nullptr, nullptr),
              E_POINTER);
    EXPECT_EQ(pf->Invoke(0x6003000C, IID_IDispatch, 0, call, &empty, nullptr, nullptr, nullptr),
              DISP_E_UNKNOWNINTERFACE);
}

// Null out pointers, and a member's failure typed and late-bound: the late-bound call
// carries the typed call's HRESULT and error info in its EXCEPINFO.
TEST_F(Dispatch, FailingMemberFailsTheSameTypedAndLateBound) {
    auto oc = test::create<_MultiPrompt>(CLSID_MultiPrompt, IID__MultiPrompt);
    EXPECT_EQ(oc->get_Caption(nullptr), E_POINTER);
    const HRESULT typed = oc->put_MyStyle(static_cast<enuMPStyle>(9));
    EXPECT_TRUE(FAILED(typed));
    const test::ErrorSeen error = test::take_error();
    EXPECT_EQ(error.source, u"PaginorV2CTL.MultiPrompt");
    LateCall put(oc.get(), 0x6803000A, DISPATCH_PROPERTYPUT, {long_arg(9)});
    EXPECT_EQ(std::make_tuple(put.hr, put.excep.scode, bstr_view(put.excep.bstrSource),
                              put.description()),
              std::make_tuple(DISP_E_EXCEPTION, typed, std::u16string_view(error.source),
                              std::u16string_view(error.description)));

    auto support = test::query<ISupportErrorInfo>(oc.get(), IID_ISupportErrorInfo);
    ASSERT_TRUE(support);
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID__MultiPrompt), S_OK);
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID__DDOC), S_FALSE);
}

} // namespace
