#include "platform/core/error.h"
#include "platform/core/unicode.h"
#include "support/ddoc_test_support.h"
#include "support/late_bound.h"
#include "viewer/DDOC.h"
#include "viewer/index_fields.h"

#include <gtest/gtest.h>

using namespace paginor;

namespace {

const char16_t kSpecimen[] = u"<UserFields><Client>Smith</Client><Matter>123</Matter></UserFields>";

DDOC& internals(_DDOC* typed) {
    return *static_cast<DDOC*>(typed);
}

} // namespace

TEST(IndexFields, FlatteningOfFragments) {
    struct Row {
        const char16_t* xml;
        const char16_t* flat;
    };
    const Row rows[] = {
        {kSpecimen, u"Client\tSmith\tMatter\t123"},
        {u"<?xml version=\"1.0\"?>\r\n<UserFields>\r\n  <Client>Smith</Client>\r\n"
         u"  <Matter>123</Matter>\r\n</UserFields>\r\n",
         u"Client\tSmith\tMatter\t123"},
        // Attributes are no children; they leave no trace.
        {u"<UserFields src=\"dms\"><Client id=\"9\" x=\"\">Smith</Client></UserFields>",
         u"Client\tSmith"},
        // A comment is a child like any other, named as the DOM names it.
        {u"<UserFields><!-- from the index --><Client>Smith</Client></UserFields>",
         u"#comment\t from the index \tClient\tSmith"},
        // Nested elements give their joined text.
        {u"<UserFields><Matter><No>123</No><Name>Sale</Name></Matter><A/></UserFields>",
         u"Matter\t123Sale\tA\t"},
        {u"<UserFields><Note><![CDATA[a < b & \"c\"]]></Note><Amp>x &amp; y</Amp></UserFields>",
         u"Note\ta < b & \"c\"\tAmp\tx & y"},
        {u"<UserFields><Клиент>Иванов</Клиент><文書>契約 № 7</文書></UserFields>",
         u"Клиент\tИванов\t文書\t契約 № 7"},
        {u"<UserFields>loose<A>1</A></UserFields>", u"#text\tloose\tA\t1"},
        {u"<UserFields/>", u""},
        {u"<UserFields>  </UserFields>", u""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(viewer::flatten_index_fields(row.xml, u"src"), row.flat) << to_utf8(row.xml);
    }
}

TEST(IndexFields, TextThatIsNotAUserFieldsDocumentIsObjectNotSet) {
    const char16_t* rows[] = {
        u"",
        u"Client=Smith",
        u"<UserFields><Client>Smith</UserFields>",
        u"<userfields><A>1</A></userfields>",
        u"<Fields><UserFields><A>1</A></UserFields></Fields>", // not the root
        u"<!DOCTYPE UserFields [<!ENTITY e \"x\">]><UserFields><A>&e;</A></UserFields>",
    };
    for (const char16_t* xml : rows) {
        try {
            viewer::flatten_index_fields(xml, u"PaginorV2CTL.DDOC");
            ADD_FAILURE() << "no error for " << to_utf8(xml);
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), 91) << to_utf8(xml);
            EXPECT_EQ(e.source(), u"PaginorV2CTL.DDOC");
        }
    }
}

TEST(SearchInputs, TypedInterfaceStoresReplacesAndReportsTheFailure) {
    _DDOC* ddoc = test::create_ddoc();
    ASSERT_NE(ddoc, nullptr);
    DDOC& inside = internals(ddoc);
    EXPECT_EQ(inside.hits(), u"");
    EXPECT_EQ(inside.index_fields(), u"");
    EXPECT_EQ(inside.index_path(), u"");

    frame::Bstr hits(u"12 40 \t77");
    frame::Bstr path(u"\\\\server\\index\\main");
    EXPECT_EQ(ddoc->put_TheHits(hits.get()), S_OK);
    EXPECT_EQ(ddoc->put_TheIndexPath(path.get()), S_OK);
    EXPECT_EQ(inside.hits(), u"12 40 \t77"); // stored unchanged
    EXPECT_EQ(inside.index_path(), u"\\\\server\\index\\main");
    EXPECT_EQ(ddoc->put_TheHits(nullptr), S_OK); // a null text is the empty text
    EXPECT_EQ(inside.hits(), u"");

    frame::Bstr first(kSpecimen);
    frame::Bstr second(u"<UserFields><Year>2026</Year></UserFields>");
    EXPECT_EQ(ddoc->SetIndexFields(first.get()), S_OK);
    EXPECT_EQ(ddoc->SetIndexFields(second.get()), S_OK);
    EXPECT_EQ(inside.index_fields(), u"Year\t2026"); // replaced, not appended

    frame::Bstr bad(u"<Fields><Year>2026</Year></Fields>");
    EXPECT_EQ(ddoc->SetIndexFields(bad.get()), PAGINOR_STANDARD_ERROR(91));
    test::ErrorSeen error = test::take_error();
    EXPECT_EQ(error.source, u"PaginorV2CTL.DDOC");
    EXPECT_EQ(error.description, u"Object variable or With block variable not set");
    EXPECT_EQ(inside.index_fields(), u""); // emptied before the failure

    frame::Bstr ready(u"ready\ttext");
    EXPECT_EQ(ddoc->put_TheIndexFields(ready.get()), S_OK);
    EXPECT_EQ(inside.index_fields(), u"ready\ttext");
    EXPECT_EQ(ddoc->SetIndexFields(nullptr), PAGINOR_STANDARD_ERROR(91));
    EXPECT_EQ(inside.index_fields(), u"");

    frame::Bstr subject;
    EXPECT_EQ(ddoc->get_DocSubject(subject.out()), S_OK);
    EXPECT_EQ(subject.str(), u"");
    EXPECT_EQ(ddoc->get_DocSubject(nullptr), E_POINTER);
    EXPECT_EQ(ddoc->Release(), 0u);
}

TEST(SearchInputs, LateBoundCallsSeeTheSameBehaviourAndErrors) {
    _DDOC* ddoc = test::create_ddoc();
    ASSERT_NE(ddoc, nullptr);
    DDOC& inside = internals(ddoc);
    struct Row {
        const char16_t* member;
        WORD flags;
        std::vector<std::u16string> args;
        HRESULT hr;
        SCODE scode; // of the exception, when hr is DISP_E_EXCEPTION
    };
    const Row rows[] = {
        {u"TheHits", DISPATCH_PROPERTYPUT, {u"h1"}, S_OK, 0},
        {u"theindexpath", DISPATCH_PROPERTYPUT, {u"p1"}, S_OK, 0},
        {u"SetIndexFields", DISPATCH_METHOD, {kSpecimen}, S_OK, 0},
        {u"SetIndexFields",
         DISPATCH_METHOD,
         {u"no xml"},
         DISP_E_EXCEPTION,
         PAGINOR_STANDARD_ERROR(91)},
        {u"TheIndexFields", DISPATCH_PROPERTYPUT, {u"f1"}, S_OK, 0},
        {u"CopyDocEvenIfOpen", DISPATCH_METHOD, {u"/nonexistent/a", u"/nonexistent/b"}, S_OK, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(to_utf8(row.member));
        std::vector<frame::Bstr> texts(row.args.begin(), row.args.end());
        std::vector<VARIANT> args;
        for (const frame::Bstr& t : texts)
            args.push_back(test::text_arg(t.get()));
        test::LateCall c(ddoc, row.member, row.flags, args);
        EXPECT_EQ(c.hr, row.hr);
        if (row.hr == DISP_E_EXCEPTION) {
            EXPECT_EQ(c.excep.scode, row.scode);
            EXPECT_EQ(frame::bstr_view(c.excep.bstrSource), u"PaginorV2CTL.DDOC");
            EXPECT_EQ(c.description(), u"Object variable or With block variable not set");
            EXPECT_EQ(inside.index_fields(), u"");
        }
    }
    EXPECT_EQ(inside.hits(), u"h1");
    EXPECT_EQ(inside.index_path(), u"p1");
    EXPECT_EQ(inside.index_fields(), u"f1");

    EXPECT_EQ(test::late_text(ddoc, u"DocSubject"), u"");
    // The inputs are write-only to a host.
    EXPECT_TRUE(FAILED(test::LateCall(ddoc, u"TheHits", DISPATCH_PROPERTYGET).hr));
    EXPECT_EQ(ddoc->Release(), 0u);
}
