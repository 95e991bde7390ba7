#include "platform/xml/xml.h"

#include "platform/core/unicode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace paginor;
using namespace paginor::platform;

TEST(Xml, LoadFailuresLeaveAnEmptyDocumentAndSayWhere) {
    struct Row {
        const char16_t* text;
        size_t offset_at_least;
    };
    const Row rows[] = {
        {u"", 0},
        {u"not xml at all", 0},
        {u"<UserFields><Client>Smith</Matter></UserFields>", 26},
        {u"<a/><b/>", 4},
        // A document type declaration is refused, so no entity is ever read.
        {u"<!DOCTYPE UserFields [<!ENTITY x SYSTEM \"file:///etc/passwd\">"
         u"]><UserFields><A>&x;</A></UserFields>",
         0},
    };
    for (const Row& row : rows) {
        XmlDocument doc;
        ASSERT_TRUE(doc.load(u"<old/>"));
        SCOPED_TRACE(to_utf8(row.text));
        XmlLoadResult result = doc.load(row.text);
        EXPECT_FALSE(result);
        EXPECT_FALSE(result.description.empty());
        EXPECT_GE(result.offset, row.offset_at_least);
        EXPECT_TRUE(doc.root().is_null());
        EXPECT_EQ(doc.xml(), u"");
        EXPECT_TRUE(doc.select_single_node(u"old").is_null());
    }
}

TEST(Xml, NodesInDocumentOrderWithTheirNamesAndText) {
    XmlDocument doc;
    ASSERT_TRUE(doc.load(u"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
                         u"<UserFields kind=\"x\">\r\n"
                         u"  <Client id=\"7\">  Smith &amp; Sons </Client>\r\n"
                         u"  <!-- a note -->\r\n"
                         u"  <Matter><No>1</No><Part> 2 </Part></Matter>\r\n"
                         u"  <Raw><![CDATA[<b> & ]]>tail</Raw>\r\n"
                         u"  loose text\r\n"
                         u"  <?app do this?>\r\n"
                         u"  <Empty/>\r\n"
                         u"  <Имя>Müller 文書</Имя>\r\n"
                         u"</UserFields>"));
    XmlNode root = doc.root();
    EXPECT_EQ(root.name(), u"UserFields");
    // Each child as "<type> <name>=<text>", E an element, C a comment, T text, P an instruction.
    const std::u16string_view expected[] = {
        u"E Client=Smith & Sons", u"C #comment= a note ", u"E Matter=1 2", u"E Raw=<b> & tail",
        u"T #text=loose text",    u"P app=do this",       u"E Empty=",     u"E Имя=Müller 文書"};
    std::vector<XmlNode> children = root.children();
    ASSERT_EQ(children.size(), std::size(expected));
    for (size_t i = 0; i < children.size(); ++i) {
        const XmlNodeType t = children[i].type();
        const char16_t type = t == XmlNodeType::Element                 ? u'E'
                              : t == XmlNodeType::Comment               ? u'C'
                              : t == XmlNodeType::Text                  ? u'T'
                              : t == XmlNodeType::ProcessingInstruction ? u'P'
                                                                        : u'?';
        EXPECT_EQ(to_utf8(type + (u" " + children[i].name()) + u"=" + children[i].text()),
                  to_utf8(expected[i]));
    }
    EXPECT_EQ(children[3].children()[0].name() + u"=" + children[3].children()[0].text(),
              u"#cdata-section=<b> & ");
    EXPECT_EQ(doc.node().name(), u"#document");
    EXPECT_EQ(doc.node().children().size(), 1u); // the declaration is not kept

    EXPECT_EQ(children[0].attribute(u"id"), u"7");
    EXPECT_EQ(children[0].attribute(u"missing"), std::nullopt);
    EXPECT_EQ(root.attribute(u"kind"), u"x");
    EXPECT_EQ(children[1].attribute(u"id"), std::nullopt);
    XmlNode none;
    EXPECT_EQ(none.name() + none.text(), u"");
    EXPECT_TRUE(none.children().empty());
    EXPECT_TRUE(none.select_single_node(u"a").is_null());
}

TEST(Xml, SelectSingleNodeFollowsRelativePaths) {
    XmlDocument doc;
    ASSERT_TRUE(doc.load(u"<root><a><x/></a><a><b>first</b></a><a><b>second</b></a></root>"));
    struct Row {
        const char16_t* path;
        const char16_t* text; // nullptr for no node
    };
    const Row rows[] = {
        {u"root/a/b", u"first"},  {u"root/*/b", u"first"}, {u"root", u"firstsecond"},
        {u"UserFields", nullptr}, {u"a", nullptr},         {u"Root", nullptr},
        {u"", nullptr},           {u"root//b", nullptr},   {u"root/a/b/c", nullptr},
    };
    for (const Row& row : rows) {
        XmlNode found = doc.select_single_node(row.path);
        EXPECT_EQ(found.is_null() ? "(none)" : to_utf8(found.text()),
                  row.text ? to_utf8(row.text) : "(none)")
            << to_utf8(row.path);
    }
    EXPECT_EQ(doc.root().select_single_node(u"a/b").text(), u"first");
}

TEST(Xml, BuildsAndWritesCompactEscapedText) {
    XmlDocument doc;
    XmlNode root = doc.append_root(u"root");
    ASSERT_FALSE(root.is_null());
    EXPECT_TRUE(doc.append_root(u"second").is_null());
    root.set_attribute(u"multi", u"Exactly");
    EXPECT_EQ(doc.xml(), u"<root multi=\"Exactly\"/>");
    root.set_attribute(u"multi", u"All of"); // replaced in place, not appended
    XmlNode val = root.append_element(u"val");
    val.set_attribute(u"name", u"AUTH");
    val.set_attribute(u"content", u"");
    val.set_attribute(u"desc", u"a&b <c> \"q\" 'a' \t\n\x01 é");
    EXPECT_TRUE(root.append_element(u"bad name").is_null());
    EXPECT_TRUE(root.append_element(u"").is_null());
    val.set_attribute(u"1st", u"ignored");
    root.append_element(u"t").append_text(u"x & y < \x02 z > w \"q\"\t\n\r");
    const std::u16string expected =
        u"<root multi=\"All of\"><val name=\"AUTH\" content=\"\" desc=\"a&amp;b &lt;c> "
        u"&quot;q&quot; 'a' &#9;&#10;&#1; é\"/><t>x &amp; y &lt; &#2; z &gt; w \"q\"\t\n&#13;"
        u"</t></root>";
    EXPECT_EQ(doc.xml(), expected);
    EXPECT_EQ(val.attribute(u"content"), u""); // empty, not missing

    // What was written reads back to the same values and writes out the same again.
    XmlDocument again;
    ASSERT_TRUE(again.load(doc.xml()));
    EXPECT_EQ(again.xml(), expected);
    EXPECT_EQ(again.select_single_node(u"root/val").attribute(u"desc"),
              u"a&b <c> \"q\" 'a' \t\n\x01 é");
    EXPECT_EQ(again.select_single_node(u"root/t").text(), u"x & y < \x02 z > w \"q\"");

    XmlDocument mixed;
    ASSERT_TRUE(mixed.load(u"<a><!--c--><![CDATA[<x>]]><?p d?></a>"));
    EXPECT_EQ(mixed.xml(), u"<a><!--c--><![CDATA[<x>]]><?p d?></a>");
}

std::u16string repeated(std::u16string_view piece, size_t times) {
    std::u16string out;
    for (size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

// Index fields nested far deeper than any stack could recurse: every walk (load, the
// text and path look-ups the viewer makes, writing, destruction) must get through.
TEST(Xml, NestingDeeperThanAnyStackCouldRecurse) {
    const size_t depth = 1'000'000;
    const std::u16string open = u"<UserFields><F>" + repeated(u"<a>", depth);
    const std::u16string text = open + u"deep" + repeated(u"</a>", depth) + u"</F></UserFields>";
    {
        XmlDocument doc;
        ASSERT_TRUE(doc.load(text));
        std::vector<XmlNode> fields = doc.select_single_node(u"UserFields").children();
        ASSERT_EQ(fields.size(), 1u);
        EXPECT_EQ(fields[0].name(), u"F");
        EXPECT_EQ(fields[0].text(), u"deep");
        EXPECT_TRUE(doc.xml() == text);
        const std::u16string path = u"UserFields/F" + repeated(u"/a", depth);
        EXPECT_EQ(doc.select_single_node(path).text(), u"deep");
        EXPECT_TRUE(doc.select_single_node(path + u"/a").is_null());
    }
    XmlDocument doc;
    XmlLoadResult result =
        doc.load(open + u"<b x=\"1\" x=\"2\"/>" + repeated(u"</a>", depth) + u"</F></UserFields>");
    EXPECT_FALSE(result);
    EXPECT_EQ(result.description, u"Duplicate attribute");
    EXPECT_EQ(result.offset, open.size() + 1); // at the name of the element
    // Past the stated depth the load stops with a reason instead of growing without end.
    result = doc.load(repeated(u"<a>", kMaxXmlDepth + 1) + repeated(u"</a>", kMaxXmlDepth + 1));
    EXPECT_EQ(result.description, u"Elements are nested too deeply");
    EXPECT_EQ(result.offset, kMaxXmlDepth * 3 + 1);
}
