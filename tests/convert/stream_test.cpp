// The readers that go a piece at a time give what reading the whole gives: text decoded
// in blocks cut anywhere, and a word-processing body walked from its bytes.
#include "convert/readers/package_readers.h"
#include "convert/readers/readers.h"

#include <gtest/gtest.h>

namespace paginor::convert {
namespace {

using namespace std::string_view_literals;

TEST(TextBlocks, DecodeCutAnywhereAsWhole) {
    struct Case {
        TextEncoding encoding;
        std::string_view bytes;
    };
    const Case cases[] = {
        {TextEncoding::Utf8, "a\r\nb\rc\fd \xC3\xA9t\xC3\xA9 \xF0\x9F\x98\x80\r"sv},
        {TextEncoding::Utf8Lenient, "x\xC3\r\n\xE2\x82y\xFF\xC3\xA9\r\r\n"sv},
        {TextEncoding::Codepage, "caf\xE9\r\n\x93q\x94\r\x81"sv},
        {TextEncoding::Utf16Le, "a\0\r\0\n\0\r\0\xE9\0=\xD8\0\xDE\r\0z"sv},
        {TextEncoding::Utf16Be, "\0a\0\r\0\n\0\r\0\xE9\xD8=\xDE\0\0\r"sv},
    };
    for (const Case& c : cases) {
        std::u16string whole;
        ASSERT_EQ(decode_text_block(c.bytes, c.encoding, true, whole), c.bytes.size());
        for (size_t k = 0; k <= c.bytes.size(); ++k) {
            std::u16string text;
            size_t took = decode_text_block(c.bytes.substr(0, k), c.encoding, false, text);
            ASSERT_LE(took, k);
            decode_text_block(c.bytes.substr(took), c.encoding, true, text);
            EXPECT_EQ(text, whole) << int(c.encoding) << " cut at " << k;
        }
    }
}

TEST(DocxBody, WalkedFromItsBytesReadsAsParsed) {
    struct Case {
        std::string_view body;
        bool taken; // walked from its bytes, not parsed
    };
    const Case cases[] = {
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<w:document><w:body><w:p><w:r><w:t>"
         "a &amp; b\r\nc</w:t></w:r><w:r><w:tab/><w:t xml:space='preserve'> </w:t></w:r>"
         "<w:r><w:t> x <w:b/> </w:t></w:r></w:p><w:tbl><w:tblPr><w:t>no</w:t></w:tblPr><w:tr>"
         "<w:tc><w:p><w:t>c1</w:t></w:p><w:p><w:t>c2</w:t></w:p></w:tc><w:tc/></w:tr>"
         "</w:tbl><w:p><w:br/><w:t >end</w:t ></w:p></w:body></w:document>\n",
         true},
        {"<d><p><t>a<!-- note -->b</t></p></d>", false},
        {"<d><p><t>&#65;&lt;<![CDATA[x]]></t></p></d>", false},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><d><t>\xE9</t></d>", false},
        {"<d><t a=\"1\" a=\"2\">dup</t></d>", false},
        {"<d><t>open</d></t>", false},
        {"<d><t>x</t></d>tail", false},
    };
    for (const Case& c : cases) {
        TextSink pulled;
        EXPECT_EQ(pull_docx(c.body, pulled), c.taken) << c.body;
        platform::XmlDocument doc;
        if (c.taken) {
            ASSERT_TRUE(doc.load_bytes(c.body, true)) << c.body;
            TextSink walked;
            walk_docx(doc, c.body.size(), walked);
            EXPECT_EQ(pulled.take(), walked.take()) << c.body;
        }
    }
}

} // namespace
} // namespace paginor::convert
