// Real documents of every format rendered with their hits marked, compared with golden
// renditions under tests/data/documents/golden (PAGINOR_UPDATE_GOLDEN rewrites them);
// damaged inputs and their errors; the seam the viewer's tests use.
#include "convert/DocConverter.h"
#include "convert/convert_error.h"
#include "convert/doc_text.h"
#include "convert/shared_reading.h"
#include "support/file_test_dir.h"
#include "testing/doc_converter_fake.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <optional>

namespace paginor::convert {
namespace {

constexpr std::u16string_view kHtmlStart =
    u"<a HREF=#Hit%%PrevHit%%>&lt;&lt;</a><a NAME=Hit%%ThisHit%%><Font Color=red><b>";
constexpr std::u16string_view kHtmlEnd = u"</b></Font></a><a HREF=#Hit%%NextHit%%>&gt;&gt;</a>";
constexpr std::u16string_view kPreamble =
    u"\\deff0{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2 Times New Roman;}}"
    u"{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red192\\green0\\blue0;}";
constexpr std::u16string_view kHits = u"contract* \"quarterly report\" ελληνικά müller slide";
constexpr std::u16string_view kFields = u"Client\tMüller & Co\tMatter\t<42>";

std::string documents() {
    return std::string(PAGINOR_TEST_DATA_DIR) + "/documents/";
}

void expect_golden(const std::string& name, const std::string& actual) {
    std::string path = documents() + "golden/" + name;
    if (std::getenv("PAGINOR_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << actual;
    }
    std::ifstream in(path, std::ios::binary);
    std::string golden(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(actual, golden) << name;
}

// One run marking hits between start and end: its text, or else the page it wrote.
std::string run(const FileTestDir& dir, const std::u16string& source, int32_t format, bool as_text,
                std::u16string_view hits, std::u16string_view start, std::u16string_view end,
                std::u16string_view fields = {}, std::u16string_view preamble = {}) {
    auto c = create_doc_converter();
    c->set_hit_start(start);
    c->set_hit_end(end);
    c->set_source_file(source);
    c->set_field_text(fields);
    c->set_hit_list(hits);
    c->set_return_as_text(as_text);
    c->set_target_file(dir / u"out");
    c->set_format_code(format);
    c->set_preamble(preamble);
    c->run();
    return as_text ? to_utf8(c->result_text()) : dir.read(u"out");
}

TEST(DocConverter, RendersEveryFormatWithItsHitsMarked) {
    FileTestDir dir;
    for (const char* name :
         {"letter.txt", "settings.ini", "letter-1252.txt", "letter.html", "letter.docx",
          "letter.odt", "letter.pdf", "book.xlsx", "book.ods", "deck.pptx", "deck.odp",
          "letter.doc", "deck.ppt", "mail.msg", "book.xls"}) {
        std::u16string source = from_utf8(documents() + name);
        expect_golden(std::string(name) + ".html",
                      run(dir, source, kFormatHtml, false, kHits, kHtmlStart, kHtmlEnd, kFields));
        expect_golden(std::string(name) + ".rtf", run(dir, source, kFormatRtf, true, kHits,
                                                      u"{\\cf3 \\b ", u"}", {}, kPreamble));
    }
}

TEST(DocConverter, CutsTheLongestDocumentsWithANote) {
    TextSink sink;
    sink.append(std::u16string(kMaxRenditionText - 2, u'a'));
    sink.append(u"bcdef");
    sink.append(u"more");
    std::u16string text = sink.take();
    EXPECT_EQ(text.substr(kMaxRenditionText - 3), u"abc\n" + std::u16string(kRestNotShown));
}

// A page larger than the blocks it is read and written in (plain ASCII first, then
// not) reads back as the one kept whole.
TEST(DocConverter, WritesALargePageWholeBlockByBlock) {
    FileTestDir dir;
    std::string text;
    for (int i = 0; text.size() < (size_t(3) << 20); ++i) {
        bool ascii = text.size() < (size_t(1) << 20);
        text += i % 7 == 0 ? "A contract & a <clause>\r\n"
                : ascii    ? "Nothing of note.\f"
                           : "Nothing of note, caf\xC3\xA9.\f";
    }
    dir.write(u"big.txt", text);
    for (int32_t format : {kFormatHtml, kFormatRtf}) {
        auto render = [&](bool as_text) {
            return run(dir, dir / u"big.txt", format, as_text, u"contract", u"<b id=%%ThisHit%%>",
                       u"</b><a href=#%%NextHit%%>");
        };
        std::string page = render(false);
        EXPECT_GT(page.size(), size_t(3) << 20);
        EXPECT_EQ(to_utf8(from_codepage(page)), render(true)) << format;
    }
}

// A zip whose one entry is a run of zeros of the given size, made from fragments that all
// point at one block of zeros; with a password the entry is encrypted.
std::string zeros_zip(const std::string& entry, uint64_t size, const char* password = nullptr) {
    static const std::vector<char> block(1 << 20);
    std::vector<zip_buffer_fragment_t> fragments;
    for (uint64_t left = size; left > 0; left -= std::min<uint64_t>(left, block.size())) {
        fragments.push_back({reinterpret_cast<zip_uint8_t*>(const_cast<char*>(block.data())),
                             std::min<uint64_t>(left, block.size())});
    }
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* out = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(out);
    zip_t* archive = zip_open_from_source(out, ZIP_TRUNCATE, &error);
    zip_source_t* zeros =
        zip_source_buffer_fragment_create(fragments.data(), fragments.size(), 0, &error);
    zip_int64_t index = zip_file_add(archive, entry.c_str(), zeros, 0);
    if (password != nullptr) {
        zip_file_set_encryption(archive, zip_uint64_t(index), ZIP_EM_TRAD_PKWARE, password);
    }
    zip_close(archive);
    zip_source_open(out);
    zip_source_seek(out, 0, SEEK_END);
    std::string bytes(size_t(zip_source_tell(out)), '\0');
    zip_source_seek(out, 0, SEEK_SET);
    zip_source_read(out, bytes.data(), bytes.size());
    zip_source_close(out);
    zip_source_free(out);
    zip_error_fini(&error);
    return bytes;
}

// letter.doc with the directory's sector chained to itself.
std::string looping_doc() {
    std::string doc = test_document("letter.doc");
    auto u32 = [&](size_t at) {
        return uint32_t(uint8_t(doc[at])) | uint8_t(doc[at + 1]) << 8 | uint8_t(doc[at + 2]) << 16 |
               uint32_t(uint8_t(doc[at + 3])) << 24;
    };
    uint32_t dir = u32(0x30);
    size_t entry = 512 * (1 + size_t(u32(0x4C))) + 4 * dir;
    std::memcpy(doc.data() + entry, &dir, 4);
    return doc;
}

// letter.doc with the Word document's own "encrypted" flag set.
std::string encrypted_doc() {
    std::string doc = test_document("letter.doc");
    doc[doc.find("\xEC\xA5\xC1") + 0x0B] |= 0x01;
    return doc;
}

// letter.pdf under a password that the empty one does not open.
std::string locked_pdf() {
    std::string pdf = test_document("letter.pdf");
    std::string key(64, '7');
    pdf.replace(
        pdf.find("/Root 1 0 R"), 11,
        "/Root 1 0 R /Encrypt << /Filter /Standard /V 1 /R 2 /P -4 /O <" + key + "> /U <" + key +
            "> >> /ID [<0123456789ABCDEF0123456789ABCDEF><0123456789ABCDEF0123456789ABCDEF>]");
    return pdf;
}

TEST(DocConverter, DamagedOrForeignInputsRaiseAndLeaveNoTarget) {
    FileTestDir dir;
    std::string docx = test_document("letter.docx");
    struct Case {
        const char16_t* name;
        std::string bytes; // empty: the file is not there
        ConvertCode code;
        int32_t format{kFormatHtml};
    };
    const Case cases[] = {
        {u"missing.docx", "", ConvertCode::Unreadable},
        {u"picture.docx", "\x89PNG\r\n\x1a\n" + std::string(64, '\0'), ConvertCode::NotDocument},
        {u"blob.txt", std::string(1 << 20, '\0'), ConvertCode::NotDocument},
        {u"half.docx", docx.substr(0, docx.size() / 2), ConvertCode::Damaged},
        {u"other.zip", zeros_zip("readme", 10), ConvertCode::UnknownFormat},
        {u"locked.docx", zeros_zip("word/document.xml", 10, "secret"), ConvertCode::Encrypted},
        {u"bomb.docx", zeros_zip("word/document.xml", (uint64_t(520) << 20)),
         ConvertCode::TooLarge},
        {u"broken.pdf", "%PDF-1.4\n1 0 obj << /Type /Catalog", ConvertCode::Damaged},
        {u"locked.pdf", locked_pdf(), ConvertCode::Encrypted},
        {u"loop.doc", looping_doc(), ConvertCode::Cycle},
        {u"locked.doc", encrypted_doc(), ConvertCode::Encrypted},
        {u"half.doc", test_document("letter.doc").substr(0, 1024), ConvertCode::Damaged},
        {u"letter.txt", "text", ConvertCode::BadSetting, 7},
    };
    for (const Case& c : cases) {
        if (!c.bytes.empty()) {
            dir.write(c.name, c.bytes);
        }
        auto converter = create_doc_converter();
        converter->set_source_file(dir / c.name);
        converter->set_target_file(dir / u"out.html");
        converter->set_format_code(c.format);
        try {
            converter->run();
            ADD_FAILURE() << to_utf8(c.name) << " converted";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), int32_t(0x80040000 + int(c.code))) << to_utf8(c.name);
            EXPECT_EQ(e.source(), kDocSource);
            EXPECT_NE(e.description().find(c.name), std::u16string::npos)
                << to_utf8(e.description());
        }
        EXPECT_FALSE(dir.exists(u"out.html")) << to_utf8(c.name);
        EXPECT_FALSE(dir.exists(u"out.html.part~")) << to_utf8(c.name);
    }
}

// Within a scope a run takes what an earlier run read of the same file, known by its path,
// length and write time (new bytes under both still show the first text), with the hits
// found for the same hit list; another length or time, or no scope, reads afresh.
TEST(SharedReading, SharesAReadingOfTheSameFileVersionOnlyInItsScope) {
    const struct {
        bool scoped;
        const char* second; // the file's bytes at the second run; "alpha" at the first
        int nudge_ns;       // added to the first write time
        const char16_t* hits;
        const char* shown;
    } rows[] = {{true, "omega", 0, u"alpha", "<alpha>"},
                {true, "omega", 0, u"omega", "\nalpha\\par"},
                {true, "omega", 1, u"omega", "<omega>"},
                {true, "omegas", 0, u"omegas", "<omegas>"},
                {false, "omega", 0, u"omega", "<omega>"}};
    for (const auto& row : rows) {
        FileTestDir dir;
        std::optional<SharedReading> scope;
        if (row.scoped)
            scope.emplace();
        auto rich_text = [&](std::u16string_view hits) {
            return run(dir, dir / u"note.txt", kFormatRtf, true, hits, u"<", u">");
        };
        dir.write(u"note.txt", "alpha");
        const auto time = std::filesystem::last_write_time(dir.path() / "note.txt");
        EXPECT_NE(rich_text(u"alpha").find("<alpha>"), std::string::npos);
        dir.write(u"note.txt", row.second);
        std::filesystem::last_write_time(dir.path() / "note.txt",
                                         time + std::chrono::nanoseconds(row.nudge_ns));
        EXPECT_NE(rich_text(row.hits).find(row.shown), std::string::npos) << row.shown;
    }
}

} // namespace
} // namespace paginor::convert
