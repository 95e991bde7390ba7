#include "registry/registry.h"

#include "platform/core/error.h"

#include <gtest/gtest.h>

using namespace paginor;
using namespace paginor::frame;

namespace {

constexpr std::string_view kSample = "# heading written by some server\n"
                                     "# second heading line\n"
                                     "\n"
                                     "; about the viewer\n"
                                     "[class {0A0B0C0D-0000-0000-0000-000000000001}]\n"
                                     "  name   =  Viewer \r\n"
                                     "server = /opt/x/lib x.so\n"
                                     "empty =\n"
                                     "\n"
                                     "[progid Other.Viewer]\n"
                                     "clsid = {0A0B0C0D-0000-0000-0000-000000000001}\n"
                                     "# left at the end\n";

} // namespace

TEST(RegistryFormat, ParsesSectionsEntriesAndCommentsAndWritesThemBack) {
    Registry r;
    ASSERT_TRUE(r.parse(kSample, "reg"));
    ASSERT_EQ(r.sections().size(), 2u);
    const RegistrySection& c = r.sections()[0];
    EXPECT_EQ(c.kind, "class");
    EXPECT_EQ(c.key, "{0A0B0C0D-0000-0000-0000-000000000001}");
    EXPECT_EQ(c.comments, std::vector<std::string>{"; about the viewer"});
    EXPECT_EQ(c.entries, (std::vector<RegistryEntry>{
                             {"name", "Viewer"}, {"server", "/opt/x/lib x.so"}, {"empty", ""}}));
    EXPECT_EQ(*c.find("server"), "/opt/x/lib x.so");
    EXPECT_EQ(c.find("missing"), nullptr);
    EXPECT_EQ(c.value("missing", "dflt"), "dflt");
    // Keys compare without case, kinds exactly.
    EXPECT_EQ(r.find("progid", "other.VIEWER"), &r.sections()[1]);
    EXPECT_EQ(r.find("class", "{0a0b0c0d-0000-0000-0000-000000000001}"), &c);
    EXPECT_EQ(r.find("Class", c.key), nullptr);

    // The heading is replaced by ours; everything else survives a round trip.
    std::string text = r.format();
    EXPECT_EQ(text.find("heading written by some server"), std::string::npos);
    EXPECT_NE(text.find("; about the viewer\n[class {0A0B0C0D-0000-0000-0000-000000000001}]\n"
                        "name = Viewer\nserver = /opt/x/lib x.so\nempty = \n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("\n# left at the end\n"));
    Registry again;
    ASSERT_TRUE(again.parse(text, "reg"));
    EXPECT_EQ(again.sections(), r.sections());
    EXPECT_EQ(again.format(), text);
}

TEST(RegistryFormat, ReportsTheLineAndReasonOfTheFirstFault) {
    struct Case {
        std::string_view text;
        RegistryStatus status;
        std::size_t line;
        std::string_view says;
    };
    const Case cases[] = {
        {"[class A]\nno equals sign\n", RegistryStatus::syntax_error, 2, "name = value"},
        {"x = 1\n", RegistryStatus::syntax_error, 1, "before the first section"},
        {"\n\n[class A\n", RegistryStatus::syntax_error, 3, "does not end with ']'"},
        {"[class]\n", RegistryStatus::syntax_error, 1, "[kind key]"},
        {"[cl@ss A]\n", RegistryStatus::syntax_error, 1, "[kind key]"},
        {"[class A]\n = 1\n", RegistryStatus::syntax_error, 2, "name = value"},
        {"[class A]\n[progid A]\n[class a]\n", RegistryStatus::duplicate_section, 3, "twice"},
        {"[class A]\nk = 1\nk = 2\n", RegistryStatus::duplicate_entry, 3, "\"k\""},
        {"[class A]\nk = 1\nv = \xC3\x28\n", RegistryStatus::not_text, 3, "UTF-8"},
        {std::string_view("[class A]\n\0\n", 12), RegistryStatus::not_text, 2, "NUL"},
        {"[class A]\nk = \xED\xA0\x80\n", RegistryStatus::not_text, 2, "UTF-8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        Registry r;
        ASSERT_TRUE(r.parse("[keep me]\nk = v\n", "f"));
        RegistryResult result = r.parse(c.text, "/some/registry");
        EXPECT_FALSE(result);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.line, c.line);
        EXPECT_EQ(result.file, "/some/registry");
        EXPECT_NE(result.description.find(c.says), std::string::npos) << result.description;
        EXPECT_EQ(result.message(),
                  "/some/registry:" + std::to_string(c.line) + ": " + result.description);
        // A failed parse leaves the registry as it was.
        ASSERT_EQ(r.sections().size(), 1u);
        EXPECT_EQ(r.sections()[0].kind, "keep");
    }
}

TEST(RegistryFormat, PutReplacesInPlaceAndRejectsWhatCannotBeWrittenBack) {
    Registry r;
    r.put({"a", "1", {{"v", "old"}}, {}});
    r.put({"b", "2", {}, {}});
    r.put({"a", "1", {{"v", "new"}}, {}}); // same kind and key: replaced where it stood
    ASSERT_EQ(r.sections().size(), 2u);
    EXPECT_EQ(r.sections()[0].value("v"), "new");
    EXPECT_TRUE(r.remove("b", "2"));
    EXPECT_FALSE(r.remove("b", "2"));

    const RegistrySection bad[] = {
        {"two words", "k", {}, {}},
        {"kind", "", {}, {}},
        {"kind", "line\nbreak", {}, {}},
        {"kind", "k", {{"", "v"}}, {}},
        {"kind", "k", {{"a=b", "v"}}, {}},
        {"kind", "k", {{"#name", "v"}}, {}},
        {"kind", "k", {{"[name", "v"}}, {}},
        {"kind", "k", {{"n", " padded"}}, {}},
        {"kind", "k", {{"n", "two\nlines"}}, {}},
        {"kind", "k", {{"n", "1"}, {"n", "2"}}, {}},
        {"kind", "k", {}, {"not a comment"}},
    };
    for (const auto& s : bad) {
        SCOPED_TRACE(s.kind + " " + s.key);
        try {
            r.put(s);
            ADD_FAILURE() << "put accepted a section it cannot write back";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), std_error::InvalidProcedureCall);
        }
        EXPECT_EQ(r.sections().size(), 1u);
    }
}
