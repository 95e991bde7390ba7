// The boundary: exceptions become HRESULTs with the thread's error info, the exported
// error-info calls, and a typed call and a late-bound call agreeing on results.
#include <paginor/automation.h>

#include "automation/error_info.h"
#include "automation/variant.h"
#include "support/objects.h"
#include "support/test_sink.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace paginor;
using frame::Bstr;
using frame::bstr_view;

TEST(ErrorInfo, GuardedTurnsEveryExceptionIntoAnHresultWithErrorInfo) {
    struct Row {
        const char* what;
        void (*body)();
        HRESULT hr;
        int32_t number;
        std::u16string source;
        std::u16string description;
    };
    const Row rows[] = {
        {"standard error",
         [] { raise_standard(std_error::InvalidPropertyValue, u"PaginorV2CTL.X"); },
         HRESULT(0x800A017C), 380, u"PaginorV2CTL.X", u"Invalid property value"},
        {"own error", [] { raise_own(13081, u"PaginorV2CTL.MSubclass", u"Not a window"); },
         HRESULT(0x80043319), HRESULT(0x80043319), u"PaginorV2CTL.MSubclass", u"Not a window"},
        {"out of memory", [] { throw std::bad_alloc(); }, E_OUTOFMEMORY, E_OUTOFMEMORY, u"Src",
         u"Out of memory"},
        {"anything else", [] { throw std::runtime_error("boom"); }, E_FAIL, E_FAIL, u"Src",
         u"Unexpected failure"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        frame::clear_error();
        EXPECT_EQ(frame::guarded(u"Src", r.body), r.hr);
        const auto error = frame::peek_error();
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->hr, r.hr);
        EXPECT_EQ(error->number, r.number);
        EXPECT_EQ(error->source, r.source);
        EXPECT_EQ(error->description, r.description);
    }
    frame::clear_error();
    EXPECT_EQ(frame::guarded(u"Src", [] {}), S_OK);
    EXPECT_EQ(frame::guarded(u"Src", [] { return S_FALSE; }), S_FALSE);
    EXPECT_FALSE(frame::peek_error().has_value()); // success leaves no error behind
}

TEST(ErrorInfo, HostCreatedErrorObjectsRoundTrip) {
    EXPECT_EQ(CreateErrorInfo(nullptr), E_POINTER);
    EXPECT_EQ(GetErrorInfo(0, nullptr), E_POINTER);
    ICreateErrorInfo* create = nullptr;
    ASSERT_EQ(CreateErrorInfo(&create), S_OK);
    create->SetSource(const_cast<OLECHAR*>(u"Host"));
    create->SetDescription(const_cast<OLECHAR*>(u"Handler failed"));
    IErrorInfo* info = nullptr;
    ASSERT_EQ(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)), S_OK);
    create->Release();
    EXPECT_EQ(SetErrorInfo(0, info), S_OK);
    info->Release(); // the thread holds its own reference
    const auto seen = frame::peek_error();
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->description, u"Handler failed");
    IErrorInfo* back = nullptr;
    ASSERT_EQ(GetErrorInfo(0, &back), S_OK);
    EXPECT_EQ(back, info);
    Bstr source;
    back->GetSource(source.out());
    EXPECT_EQ(source.view(), u"Host");
    EXPECT_EQ(back->Release(), 0u);
    EXPECT_EQ(SetErrorInfo(0, nullptr), S_OK);
    EXPECT_EQ(GetErrorInfo(0, &back), S_FALSE);

    // The library's own object handed back by a host keeps its HRESULT and number.
    frame::guarded(u"Src", [] { raise_standard(std_error::TypeMismatch, u"Src"); });
    ASSERT_EQ(GetErrorInfo(0, &back), S_OK);
    EXPECT_FALSE(frame::peek_error().has_value());
    SetErrorInfo(0, back);
    back->Release();
    const auto again = frame::peek_error();
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->hr, HRESULT(0x800A000D));
    EXPECT_EQ(again->number, 13);
    EXPECT_EQ(again->description, u"Type mismatch");
    frame::clear_error();
}

TEST(ErrorInfo, TypedAndLateBoundCallsAgree) {
    auto* relay = test::create<_clsPromptEvents>(CLSID_clsPromptEvents, IID__clsPromptEvents);
    test::Sink sink;
    sink.handler = [](DISPPARAMS& p) {
        std::u16string answer = u"code for ";
        answer += bstr_view(*p.rgvarg[1].pbstrVal); // the event name
        SysFreeString(*p.rgvarg[0].pbstrVal);
        *p.rgvarg[0].pbstrVal = SysAllocString(answer.c_str());
    };
    IConnectionPoint* cp = nullptr;
    const DWORD cookie = test::advise(relay, DIID___clsPromptEvents, &sink, &cp);
    Bstr who(u"pf"), what(u"PromptClicked");

    Bstr typed(u"in");
    ASSERT_EQ(relay->RaiseAnEvent(who.get(), what.get(), typed.out_keep()), S_OK);

    Bstr late(u"in");
    BSTR held = late.release();
    VARIANT args[3] = {};
    args[0].vt = VT_BYREF | VT_BSTR;
    args[0].pbstrVal = &held;
    args[1].vt = VT_BSTR;
    args[1].bstrVal = what.get();
    args[2].vt = VT_BSTR;
    args[2].bstrVal = who.get();
    DISPPARAMS p{args, nullptr, 3, 0};
    EXPECT_EQ(
        relay->Invoke(0x60030000, IID_NULL, 0x409, DISPATCH_METHOD, &p, nullptr, nullptr, nullptr),
        S_OK);
    late = Bstr::adopt(held);
    EXPECT_EQ(typed.view(), u"code for PromptClicked");
    EXPECT_EQ(late.view(), typed.view());
    ASSERT_EQ(sink.seen.size(), 2u);
    EXPECT_EQ(sink.seen[0].args, sink.seen[1].args);

    // Null out pointers and not-built members: the same HRESULT both ways.
    auto* gb = test::create<_GradientButton>(CLSID_GradientButton, IID__GradientButton);
    EXPECT_EQ(gb->get_Caption(nullptr), E_POINTER);
    EXPECT_EQ(gb->put_BevelWidth(2), E_NOTIMPL);
    VARIANT width{};
    width.vt = VT_BSTR;
    Bstr two(u"2");
    width.bstrVal = two.get();
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS pw{&width, &put, 1, 1};
    EXCEPINFO excep{};
    EXPECT_EQ(
        gb->Invoke(0x68030005, IID_NULL, 0, DISPATCH_PROPERTYPUT, &pw, nullptr, &excep, nullptr),
        DISP_E_EXCEPTION);
    EXPECT_EQ(excep.scode, E_NOTIMPL);
    EXPECT_EQ(bstr_view(excep.bstrDescription), u"BevelWidth is not implemented yet");
    SysFreeString(excep.bstrSource);
    SysFreeString(excep.bstrDescription);
    EXPECT_EQ(gb->Release(), 0u);

    cp->Unadvise(cookie);
    cp->Release();
    EXPECT_EQ(relay->Release(), 0u);
    EXPECT_EQ(sink.refs, 1u);
}
