// A typed and a late-bound call agreeing is in dispatch_test.cpp.
#include <paginor/automation.h>

#include "automation/error_info.h"
#include "automation/variant.h"
#include "support/objects.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace paginor;
using automation::Bstr;
using test::Ref;

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
        automation::clear_error();
        EXPECT_EQ(automation::guarded(u"Src", r.body), r.hr);
        const auto error = automation::peek_error();
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(std::tie(error->hr, error->number, error->source, error->description),
                  std::tie(r.hr, r.number, r.source, r.description));
    }
    automation::clear_error();
    EXPECT_EQ(automation::guarded(u"Src", [] {}), S_OK);
    EXPECT_EQ(automation::guarded(u"Src", [] { return S_FALSE; }), S_FALSE);
    EXPECT_FALSE(automation::peek_error().has_value()); // success leaves no error behind
}

TEST(ErrorInfo, HostCreatedErrorObjectsRoundTrip) {
    EXPECT_EQ(CreateErrorInfo(nullptr), E_POINTER);
    EXPECT_EQ(GetErrorInfo(0, nullptr), E_POINTER);
    Ref<ICreateErrorInfo> create;
    ASSERT_EQ(CreateErrorInfo(create.put()), S_OK);
    create->SetSource(const_cast<OLECHAR*>(u"Host"));
    create->SetDescription(const_cast<OLECHAR*>(u"Handler failed"));
    auto info = test::query<IErrorInfo>(create.get(), IID_IErrorInfo);
    ASSERT_TRUE(info);
    EXPECT_EQ(SetErrorInfo(0, info.get()), S_OK);
    create.reset();
    const auto seen = automation::peek_error();
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->description, u"Handler failed");
    Ref<IErrorInfo> back;
    ASSERT_EQ(GetErrorInfo(0, back.put()), S_OK);
    EXPECT_EQ(back.get(), info.get());
    EXPECT_EQ(test::refs(info.get()), 2u) << "the thread gave its reference away";
    Bstr source;
    back->GetSource(source.out());
    EXPECT_EQ(source.view(), u"Host");
    EXPECT_EQ(SetErrorInfo(0, nullptr), S_OK);
    EXPECT_EQ(GetErrorInfo(0, back.put()), S_FALSE);

    // The library's own object handed back by a host keeps its HRESULT and number.
    automation::guarded(u"Src", [] { raise_standard(std_error::TypeMismatch, u"Src"); });
    ASSERT_EQ(GetErrorInfo(0, back.put()), S_OK);
    EXPECT_FALSE(automation::peek_error().has_value());
    SetErrorInfo(0, back.get());
    const auto again = automation::peek_error();
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(std::tie(again->hr, again->number, again->description),
              std::make_tuple(HRESULT(0x800A000D), 13, u"Type mismatch"));
    automation::clear_error();
}
