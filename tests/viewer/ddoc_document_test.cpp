// TheDocument as hosts use it, late-bound: every class of file, the pages' bytes, the
// converter's settings in order, what a failure leaves, and the clean-up.
#include "controls/browser_pages.h"
#include "support/ddoc_test_support.h"
#include "testing/doc_converter_fake.h"
#include "testing/file_faults.h"
#include "viewer/hit_renditions.h"
#include "viewer/viewer_host.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <filesystem>
#include <functional>

namespace paginor::test {
namespace {

namespace fs = std::filesystem;

std::u16string stamped(const char16_t* head, const char16_t* tail) {
    return head + std::u16string(kStamp) + tail;
}

// Each class placed and unsited, TheDocument by name and by DISPID; what a failing branch
// set before its failure stays. "@name" content is a committed document.
TEST(DdocDocument, EveryClassLeavesItsRenditionAndState) {
    const std::u16string page = stamped(u"QMDoc", u".html"), pic = stamped(u"DisplayDoc", u"."),
                         pdf = stamped(u"PDFDisplay", u".PDF");
    struct Row {
        const char16_t* path; // under the documents folder
        const char* content;  // "" writes nothing
        int error;            // 0 succeeds, -1 any error, else its number
        int mode;
        std::u16string url; // "~" is TEMP + "\", "@" the document's path
        std::u16string written;
    } rows[] = {
        {u"letter.docx", "@letter.docx", 0, 1, u"~" + page + u"#Hit1", page},
        {u"photo.PNG", "\x89PNG", 0, 1, u"~" + pic + u"html", pic + u"qmview"},
        {u"fax.TIF", "@fax.tif", 0, 1, u"~" + pic + u"html", pic + u"qmview"},
        {u"page.htm", "<p>x</p>", 0, 1, u"@#Hit1", u""},
        {u"report.Pdf", "@letter.pdf", 0, 2, u"~" + pdf, pdf},
        {u"clip.mp3", "ID3", 0, 1, u"~" + stamped(u"ViewDoc", u".html"),
         stamped(u"ViewDoc", u".MP3")},
        {u"My.Files/readme", "", 0, 1, u"~" + page, page},
        {u"trailing.", "", 0, 1, u"~" + page, page},
        {u"missing.pdf", "", 0, 2, u"~" + pdf, u""},
        {u"missing.png", "", 53, 1, u"~" + pic + u"html", u""},
        {u"missing.tif", "", -1, 0, u"about:blank", u""},
        {u"missing.docx", "", -1, 1, u"about:blank", u""},
        {u"nodot", "", 0, 0, u"about:blank", u""},
    };
    for (bool placed : {true, false}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(to_utf8(row.path) + (placed ? " placed" : " unsited"));
            ViewerHost host(placed);
            fs::create_directories(host.temp.path() / "My.Files");
            const std::string content =
                row.content[0] == '@' ? test_document(row.content + 1) : row.content;
            if (*row.content)
                host.temp.write(row.path, content);
            // The test's folder has a dot in its name: "nodot" stays relative.
            const std::u16string path =
                row.path == std::u16string(u"nodot") ? row.path : host.temp / row.path;
            Variant arg{std::u16string_view(path)};
            Status s = placed ? host.document(path) : Status{};
            if (!placed) // as a host bound early to the identifiers calls
                s.error =
                    detail::invoke(*host.viewer.object(), 0x68030000, DISPATCH_PROPERTYPUT, &arg, 1)
                        .error;
            EXPECT_EQ(!s, row.error != 0) << to_utf8(s.error.description);
            if (row.error > 0) {
                EXPECT_EQ(s.error.number, row.error);
            }
            std::u16string url = row.url;
            if (url[0] == u'~')
                url = host.temp / u"tmp\\" + url.substr(1);
            else if (url[0] == u'@')
                url = path + url.substr(1);
            EXPECT_EQ(to_utf8(host.ddoc().doc_url()), to_utf8(url));
            EXPECT_EQ(host.ddoc().display_mode(), row.mode);
            EXPECT_EQ(host.ddoc().doc_loaded(), !s ? false : row.path != std::u16string(u"nodot"));
            if (!row.written.empty()) {
                EXPECT_TRUE(host.temp.exists(u"tmp/" + row.written));
            }
            if (row.path == std::u16string(u"photo.PNG")) {
                EXPECT_EQ(host.temp_bytes(row.written), content);
            }
            if (!placed) { // its browser counts as hidden: nothing to load, nothing fails
                EXPECT_TRUE(host.view(evHTML));
                EXPECT_TRUE(host.viewer.call(u"Reload"));
            }
        }
    }
}

TEST(DdocDocument, PagesAreWrittenByteForByte) {
    ViewerHost host(true);
    host.temp.write(u"p.gif", "GIF89a");
    ASSERT_TRUE(host.document(host.temp / u"p.gif"));
    EXPECT_EQ(host.temp_bytes(stamped(u"DisplayDoc", u".html")),
              browser_pages::image_page("DisplayDoc20261207100509.qmview"));

    // The type named in the notice cannot open markup of its own; other bytes pass as
    // single-byte text.
    ASSERT_TRUE(host.document(host.temp / u"q.x\"<&>\u00e9"));
    EXPECT_EQ(host.temp_bytes(stamped(u"QMDoc", u".html")),
              browser_pages::notice_page("X&quot;&lt;&amp;&gt;\xc9"));

    host.temp.write(u"c.wav", "RIFF");
    ASSERT_TRUE(host.document(host.temp / u"c.wav"));
    const std::string player = host.temp_bytes(stamped(u"ViewDoc", u".html"));
    EXPECT_EQ(std::count(player.begin(), player.end(), '\n'), 45);
    EXPECT_THAT(player, testing::HasSubstr("\r\n              <param name='fileName' "
                                           "value=\"ViewDoc20261207100509.WAV\">\r\n"));
    EXPECT_THAT(player, testing::HasSubstr("\r\n                     src=\"ViewDoc20261207100509"
                                           ".WAV\"\r\n"));
    EXPECT_EQ(host.temp_bytes(stamped(u"ViewDoc", u".WAV")), "RIFF");
}

TEST(DdocDocument, DrivesTheConverterInOrder) {
    ViewerHost host(true);
    seams::DocConverterFake fake;
    fake.set_result(u"{\\rtf1 R}");
    host.viewer.put(u"TheHits", u"H");
    host.viewer.put(u"TheIndexPath", u"I");
    host.viewer.call(u"SetIndexFields", u"<f><subject>S</subject></f>");
    const std::u16string doc = host.temp / u"l.doc";
    host.temp.write(u"l.doc", "x");
    host.temp.write(u"l.doc.txt", "t");
    ASSERT_TRUE(host.document(doc));
    const std::u16string fields = host.ddoc().index_fields();
    const std::vector<std::u16string> expected{
        u"Create",
        u"HitStart=<a HREF=#Hit%%PrevHit%%>&lt;&lt;</a><a NAME=Hit%%ThisHit%%><Font "
        u"Color=red><b>",
        u"HitEnd=</b></Font></a><a HREF=#Hit%%NextHit%%>&gt;&gt;</a>", u"SourceFile=" + doc,
        u"FieldText=" + fields, u"HitList=H", u"IndexLocation=I", u"ReturnAsText=0",
        u"TargetFile=" + host.temp / u"tmp\\" + stamped(u"QMDoc", u".html"), u"FormatCode=226",
        u"Run", u"Create", u"HitStart={\\cf3 \\b ", u"HitEnd=}",
        // The text file beside the document is what the rich text shows.
        u"SourceFile=" + doc + u".txt", u"FieldText=" + fields, u"HitList=H", u"IndexLocation=I",
        u"ReturnAsText=-1", u"FormatCode=212",
        u"Preamble=\\deff0{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2 Times New Roman;}}"
        u"{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red192\\green0\\blue0;}",
        u"Run"};
    EXPECT_EQ(fake.log(), expected);
    EXPECT_EQ(host.ddoc().RTB01()->TextRTF(), u"{\\rtf1 R}");
}

TEST(DdocDocument, ConverterFailuresEndTheCallOrEmptyTheRichText) {
    struct Row {
        const char16_t* doc;
        const char16_t* fail_at; // u"Create" fails the making
        bool call_fails;
        const char16_t* rtf;
    } rows[] = {
        {u"a.htm", u"Create", true, u""},      {u"a.htm", u"HitStart", true, u""},
        {u"a.htm", u"HitEnd", true, u""},      {u"a.htm", u"SourceFile", false, u"R"},
        {u"a.htm", u"FieldText", false, u""},  {u"a.htm", u"Run", false, u""},
        {u"a.docx", u"TargetFile", true, u""}, {u"a.docx", u"Run", true, u""},
        {u"a.docx", u"Preamble", false, u""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(to_utf8(row.doc) + " " + to_utf8(row.fail_at));
        ViewerHost host(true);
        seams::DocConverterFake fake;
        fake.set_result(u"R");
        host.temp.write(row.doc, "x");
        ASSERT_TRUE(host.document(host.temp / u"first.htm")); // leaves rich text "R"
        if (row.fail_at == std::u16string(u"Create"))
            fake.fail_create();
        else
            fake.fail_at(row.fail_at);
        const Status s = host.document(host.temp / row.doc);
        EXPECT_EQ(!s, row.call_fails);
        if (row.call_fails) {
            EXPECT_FALSE(s.error.description.empty());
            EXPECT_FALSE(host.ddoc().doc_loaded());
            EXPECT_EQ(host.ddoc().RTB01()->TextRTF(), u"R"); // not reached
        } else {
            EXPECT_EQ(host.ddoc().RTB01()->TextRTF(), row.rtf);
        }
    }
}

TEST(DdocDocument, CleanUpRemovesFourPatternsAndStopsAPatternAtItsFirstFailure) {
    ViewerHost host(true);
    const std::vector<std::u16string> gone{u"DisplayDoc1.html", u"DisplayDoc2.qmview",
                                           u"QMDocA.txt", u"QMDocB", u"PDFDisplayX.pdf"};
    const std::vector<std::u16string> kept{u"DisplayDoc3.txt", u"ViewDocY.mp3", u"other.html"};
    for (const auto& list : {gone, kept})
        for (const std::u16string& name : list)
            host.temp.write(u"tmp/" + name, "x");
    ASSERT_TRUE(host.document(u"nodot"));
    for (const std::u16string& name : gone)
        EXPECT_FALSE(host.temp.exists(u"tmp/" + name)) << to_utf8(name);
    for (const std::u16string& name : kept)
        EXPECT_TRUE(host.temp.exists(u"tmp/" + name)) << to_utf8(name);

    for (const char16_t* name : {u"QMDoc1.a", u"QMDoc2.a", u"PDFDisplay1.a"})
        host.temp.write(u"tmp/" + std::u16string(name), "x");
    {
        seams::FileFaults faults;
        faults.fail(platform::FileOp::Delete, 1, 70);
        ASSERT_TRUE(host.document(u"nodot"));
    }
    EXPECT_TRUE(host.temp.exists(u"tmp/QMDoc1.a"));
    EXPECT_TRUE(host.temp.exists(u"tmp/QMDoc2.a"));
    EXPECT_FALSE(host.temp.exists(u"tmp/PDFDisplay1.a"));
}

TEST(DdocDocument, ATemporaryFolderThatCannotHoldFilesFailsTheCall) {
    for (const char* temp : {"missing", "afile"}) {
        ViewerHost host(true);
        host.temp.write(u"afile", "x");
        setenv("TEMP", (host.temp.path() / temp).c_str(), 1);
        EXPECT_FALSE(host.document(host.temp / u"x.zzz")) << temp;
        EXPECT_EQ(host.temp.read(u"afile"), "x");
    }
}

// The page and the rich text of one TheDocument come from one reading of the document and
// are what two runs of their own make; runs outside TheDocument each read it again.
TEST(DdocDocument, ReadsADocumentOnceForBothRenditions) {
    ViewerHost host(true);
    host.viewer.put(u"TheHits", u"contract");
    const std::string bytes = test_document("letter.doc"); // longer than the first bytes sniffed
    host.temp.write(u"letter.doc", bytes);
    const std::u16string doc = host.temp / u"letter.doc";
    auto whole_reads = [&](const std::function<void()>& run) {
        seams::FileFaults seen;
        run();
        return std::count(seen.transfers().begin(), seen.transfers().end(),
                          seams::BlockTransfer{platform::FileOp::Read, 0, bytes.size()});
    };
    EXPECT_EQ(whole_reads([&] { ASSERT_TRUE(host.document(doc)); }), 1);
    const std::u16string rtf = host.ddoc().rich_text();
    EXPECT_NE(rtf.find(u"{\\cf3 \\b contract}"), std::u16string::npos);
    const viewer::SearchInputs in{host.ddoc().index_fields(), u"contract", {}};
    std::u16string subject;
    EXPECT_EQ(whole_reads([&] {
                  viewer::BuildHitHtml(doc, u"Alone", in, subject);
                  EXPECT_EQ(viewer::BuildHitRtf(doc, in), rtf);
              }),
              2);
    EXPECT_EQ(host.temp_bytes(u"QMDocAlone.html"), host.temp_bytes(stamped(u"QMDoc", u".html")));
}

// A large media file is copied whole, but its rich text is refused by its first bytes.
TEST(DdocDocument, AMediaFileIsReadOnceForItsCopy) {
    ViewerHost host(true);
    host.temp.write(u"big.mp4", std::string("\0\0\0\x20"
                                            "ftypisom",
                                            12));
    constexpr uint64_t kSize = 64ull << 20;
    fs::resize_file(host.temp.path() / "big.mp4", kSize);
    seams::FileFaults seen;
    ASSERT_TRUE(host.document(host.temp / u"big.mp4"));
    uint64_t read = 0;
    for (const seams::BlockTransfer& t : seen.transfers())
        read += t.op == platform::FileOp::Read ? t.size : 0;
    EXPECT_GE(read, kSize);
    EXPECT_LT(read, kSize + (1u << 20));
    EXPECT_EQ(host.ddoc().rich_text(), u"");
}

} // namespace
} // namespace paginor::test
