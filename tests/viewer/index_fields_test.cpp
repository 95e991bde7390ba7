#include "platform/core/error.h"
#include "platform/core/unicode.h"
#include "support/ddoc_test_support.h"
#include "support/late_bound.h"
#include "viewer/DDOC.h"
#include "viewer/index_fields.h"

#include <gtest/gtest.h>

#include <functional>

using namespace paginor;

namespace {

const char16_t kSpecimen[] = u"<UserFields><Client>Smith</Client><Matter>123</Matter></UserFields>";

} // namespace

TEST(IndexFields, FlatteningOfFragments) {
    struct Row {
        const char16_t *xml, *flat;
    };
    const Row rows[] = {
        {kSpecimen, u"Client\tSmith\tMatter\t123"},
        // What is no element is named as the DOM names it; an empty element has an empty value.
        {u"<UserFields><!-- from the index --><A/>loose</UserFields>",
         u"#comment\t from the index \tA\t\t#text\tloose"},
        {u"<UserFields/>", u""},
        {u"<UserFields>  </UserFields>", u""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(viewer::flatten_index_fields(row.xml, u"src"), row.flat) << to_utf8(row.xml);
}

// The search inputs as a late-bound host sets them, each row's effect read from inside;
// then the typed interface giving the same answers and error object.
TEST(SearchInputs, StoredReplacedAndFailingTheSameLateBoundAndTyped) {
    automation::Ref<_DDOC> ddoc = test::create<_DDOC>(CLSID_DDOC, IID__DDOC);
    ASSERT_TRUE(ddoc);
    const DDOC& inside = *static_cast<DDOC*>(ddoc.get());
    EXPECT_EQ(inside.hits() + inside.index_fields() + inside.index_path(), u"");
    const auto hits = [&] { return inside.hits(); };
    const auto path = [&] { return inside.index_path(); };
    const auto fields = [&] { return inside.index_fields(); };
    const WORD put = DISPATCH_PROPERTYPUT, method = DISPATCH_METHOD;
    const HRESULT fails = DISP_E_EXCEPTION; // with error 91, "Object variable not set"
    struct Row {
        const char16_t* member;
        WORD flags;
        std::vector<const char16_t*> args; // null: a null text
        HRESULT hr;
        std::function<std::u16string()> read;
        std::u16string after;
    };
    const Row rows[] = {
        {u"TheHits", put, {u"12 40 \t77"}, S_OK, hits, u"12 40 \t77"}, // stored unchanged
        {u"theindexpath", put, {u"\\\\server\\index"}, S_OK, path, u"\\\\server\\index"},
        {u"TheHits", put, {nullptr}, S_OK, hits, u""}, // a null text is the empty text
        {u"SetIndexFields", method, {kSpecimen}, S_OK, fields, u"Client\tSmith\tMatter\t123"},
        // replaced, not appended
        {u"SetIndexFields", method, {u"<UserFields><Y>2</Y></UserFields>"}, S_OK, fields, u"Y\t2"},
        {u"SetIndexFields", method, {u"no xml"}, fails, fields, u""}, // emptied first
        {u"SetIndexFields", method, {u"<UserFields><A>1</UserFields>"}, fails, fields, u""},
        {u"SetIndexFields", method, {u"<userfields><A>1</A></userfields>"}, fails, fields, u""},
        {u"SetIndexFields", method, {u"<F><UserFields/></F>"}, fails, fields, u""}, // not the root
        {u"TheIndexFields", put, {u"ready\ttext"}, S_OK, fields, u"ready\ttext"},
        {u"SetIndexFields", method, {nullptr}, fails, fields, u""},
        {u"CopyDocEvenIfOpen", method, {u"/nonexistent/a", u"/nonexistent/b"}, S_OK, fields, u""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(to_utf8(row.member));
        std::vector<automation::Bstr> texts;
        std::vector<VARIANT> args;
        for (const char16_t* a : row.args)
            args.push_back(test::text_arg(a ? texts.emplace_back(a).get() : nullptr));
        test::LateCall c(ddoc.get(), row.member, row.flags, args);
        EXPECT_EQ(c.hr, row.hr);
        if (row.hr == DISP_E_EXCEPTION) {
            EXPECT_EQ(c.excep.scode, PAGINOR_STANDARD_ERROR(91));
            EXPECT_EQ(automation::bstr_view(c.excep.bstrSource), u"PaginorV2CTL.DDOC");
            EXPECT_EQ(c.description(), u"Object variable or With block variable not set");
        }
        EXPECT_EQ(row.read(), row.after);
    }
    EXPECT_EQ(test::late_text(ddoc.get(), u"DocSubject"), u"");
    // The inputs are write-only to a host.
    EXPECT_TRUE(FAILED(test::LateCall(ddoc.get(), u"TheHits", DISPATCH_PROPERTYGET).hr));

    automation::Bstr h(u"h1"), bad(u"<Fields><Year>2026</Year></Fields>"), subject;
    EXPECT_EQ(ddoc->put_TheHits(h.get()), S_OK);
    EXPECT_EQ(inside.hits(), u"h1");
    EXPECT_EQ(ddoc->SetIndexFields(bad.get()), PAGINOR_STANDARD_ERROR(91));
    test::ErrorSeen error = test::take_error();
    EXPECT_EQ(error.source, u"PaginorV2CTL.DDOC");
    EXPECT_EQ(error.description, u"Object variable or With block variable not set");
    EXPECT_EQ(ddoc->get_DocSubject(subject.out()), S_OK);
    EXPECT_EQ(subject.str(), u"");
    EXPECT_EQ(ddoc->get_DocSubject(nullptr), E_POINTER);
    EXPECT_EQ(ddoc.detach()->Release(), 0u);
}
