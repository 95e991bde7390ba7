#include "library/classes.h"
#include "library/resources.h"
#include "library/version.h"

#include "platform/core/error.h"
#include "platform/core/unicode.h"
#include "platform/image/image_codec.h"

#include "support/scratch.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

using namespace paginor;
using namespace paginor::library;
using paginor::test::read_file;
using paginor::test::Scratch;
using paginor::test::write_file;

namespace {

uint32_t u32(const std::vector<uint8_t>& b, std::size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
           uint32_t(b[at + 3]) << 24;
}

uint16_t u16(const std::vector<uint8_t>& b, std::size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

uint32_t legend_colour(const ToolboxBitmap& b, int x, int y) {
    for (const auto& [key, rgb] : b.legend)
        if (key == b.rows[y][x])
            return rgb;
    ADD_FAILURE() << "key not in legend";
    return 0;
}

void expect_our_record(const VersionRecord& r) {
    using Strings = std::vector<std::pair<std::string, std::string>>;
    std::vector<uint16_t> versions(r.file_version, r.file_version + 4);
    versions.insert(versions.end(), r.product_version, r.product_version + 4);
    EXPECT_EQ(versions, (std::vector<uint16_t>{8, 2, 0, 7, 8, 2, 0, 7}));
    EXPECT_TRUE(r.self_register);
    EXPECT_EQ(r.strings, (Strings{{"CompanyName", "Paginor"},
                                  {"FileDescription", "PaginorV2CTL search front-end controls"},
                                  {"FileVersion", "8.02.0007"},
                                  {"InternalName", "PaginorV2CTL"},
                                  {"OriginalFilename", "libPaginorV2CTL.so"},
                                  {"ProductName", "PaginorV2CTL"},
                                  {"ProductVersion", "8.02.0007"},
                                  {"OLESelfRegister", ""}}));
    EXPECT_EQ(r.text("InternalName"), "PaginorV2CTL");
    EXPECT_EQ(r.text("NoSuchKey"), "");
}

} // namespace

TEST(ToolboxBitmaps, OnePerControlWithExactHeadersAndEveryPixel) {
    std::vector<std::string> controls; // every control class, in the library's order
    for (const automation::Class& c : type_library().classes)
        if (c.kind == automation::ClassKind::Control)
            controls.push_back(to_utf8(c.name));
    struct Header {
        uint32_t file_size, offset, image_size, colours_used;
    };
    // 24 bpp: 48-byte rows; 4 bpp: 8-byte rows after a 16-entry palette.
    const Header h24{54 + 48 * 15, 54, 48 * 15, 0}, h4{54 + 64 + 8 * 15, 54 + 64, 8 * 15, 16};
    auto bitmaps = toolbox_bitmaps();
    ASSERT_EQ(bitmaps.size(), controls.size());
    std::set<std::vector<uint8_t>> distinct;
    for (std::size_t i = 0; i < bitmaps.size(); ++i) {
        const ToolboxBitmap& b = bitmaps[i];
        SCOPED_TRACE(controls[i]);
        EXPECT_EQ(std::tie(b.id, b.control), std::make_tuple(30000 + int(i), controls[i]));
        EXPECT_EQ(find_toolbox_bitmap(b.id), &b);
        // A picture, not a blank: at least four colours actually used.
        std::set<char> keys;
        for (std::string_view row : b.rows)
            keys.insert(row.begin(), row.end());
        EXPECT_GE(keys.size(), 4u);

        const Header& e = b.bits_per_pixel == 24 ? h24 : h4;
        std::vector<uint8_t> bmp = toolbox_bitmap_bmp(b);
        distinct.insert(bmp);
        ASSERT_EQ(bmp.size(), e.file_size);
        EXPECT_EQ(std::string(bmp.begin(), bmp.begin() + 2), "BM");
        // The 32-bit fields from offset 2 on, the planes and depth (16-bit, at 26 and 28):
        // 22 is the positive height (bottom-up), 30 BI_RGB.
        std::vector<uint32_t> fields;
        for (std::size_t at : {2, 6, 10, 14, 18, 22, 30, 34, 38, 42, 46, 50})
            fields.push_back(u32(bmp, at));
        fields.insert(fields.end(), {u16(bmp, 26), u16(bmp, 28)});
        EXPECT_EQ(fields, (std::vector<uint32_t>{e.file_size, 0, e.offset, 40, 16, 15, 0,
                                                 e.image_size, 3780, 3780, e.colours_used, 0, 1,
                                                 uint32_t(b.bits_per_pixel)}));
        // Every pixel reads back as the colour its table key stands for.
        const platform::Image read = platform::decode_image(bmp);
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 16; ++x)
                ASSERT_EQ(read.pixels[size_t(y) * 16 + size_t(x)],
                          0xFF000000u | legend_colour(b, x, y))
                    << x << "," << y;
    }
    EXPECT_EQ(distinct.size(), bitmaps.size());
    EXPECT_EQ(find_toolbox_bitmap(29999), nullptr);
    EXPECT_EQ(find_toolbox_bitmap(30007), nullptr);
}

TEST(ToolboxBitmaps, AFaultyTableIsReportedNotEncoded) {
    std::array<std::string_view, 15> short_row, unknown_key;
    short_row.fill("................");
    unknown_key.fill("................");
    short_row[1] = "...";
    unknown_key[1] = "......?.........";
    constexpr std::array legend{std::pair<char, uint32_t>{'.', 0xC0C0C0}};
    const ToolboxBitmap faulty[] = {
        {1, "short row", 24, short_row, legend},
        {2, "unknown key", 24, unknown_key, legend},
        {3, "palette of one", 4, unknown_key, legend},
        {4, "8 bpp", 8, short_row, legend},
    };
    for (const auto& b : faulty) {
        EXPECT_THROW(toolbox_bitmap_bmp(b), RuntimeError) << b.control;
    }
}

TEST(VersionRecord, CompiledInAndReadFromTheLibraryFileAlike) {
    expect_our_record(version_record());
    VersionRecord from_file;
    VersionReadResult r = read_version_record(PAGINOR_LIBRARY_PATH, from_file);
    ASSERT_TRUE(r) << r.description;
    expect_our_record(from_file);
}

TEST(VersionRecord, FilesWithoutAGoodRecordAreNamedAndExplained) {
    Scratch scratch;
    std::string library = read_file(PAGINOR_LIBRARY_PATH);
    const std::string signature("\xBD\x04\xEF\xFE\x01\x00", 6);
    std::size_t at = library.find(signature);
    ASSERT_NE(at, std::string::npos);
    std::string damaged = library;
    damaged[at] = 'X';
    std::string cut = library;
    cut[at + 6] = '\xFF'; // a string table longer than the section
    cut[at + 7] = '\x7F';

    struct Case {
        std::string name;
        std::string bytes; // empty: do not create the file
        std::string says;
    };
    const Case cases[] = {
        {"missing.so", "", "cannot open the file"},
        {"head.so", library.substr(0, 200), "section table is missing or damaged"},
        {"signature.so", damaged, "unknown signature or layout"},
        {"cut.so", cut, "string table is truncated"},
    };
    for (const auto& c : cases) {
        std::string path = (scratch.dir() / c.name).string();
        if (!c.bytes.empty()) {
            write_file(path, c.bytes);
        }
        VersionRecord untouched;
        untouched.strings = {{"k", "v"}};
        VersionReadResult r = read_version_record(path, untouched);
        EXPECT_FALSE(r) << c.name;
        EXPECT_EQ(r.description.rfind(path + ": ", 0), 0u) << r.description;
        EXPECT_NE(r.description.find(c.says), std::string::npos) << r.description;
        EXPECT_EQ(untouched.strings.size(), 1u);
    }
    VersionRecord none;
    VersionReadResult plain = read_version_record("/bin/true", none);
    EXPECT_FALSE(plain);
    EXPECT_NE(plain.description.find("no version record"), std::string::npos);
}

TEST(VersionRecord, SectionParserRejectsPartialRecords) {
    const uint8_t fixed[28] = {0xBD, 0x04, 0xEF, 0xFE, 1, 0, 0, 0, 8, 0, 2, 0, 0, 0,
                               7,    0,    8,    0,    2, 0, 0, 0, 7, 0, 1, 0, 0, 0};
    VersionRecord r;
    EXPECT_EQ(parse_version_section(fixed, sizeof fixed, r), "");
    EXPECT_EQ(r.file_version[3], 7);
    EXPECT_TRUE(r.strings.empty());
    EXPECT_EQ(parse_version_section(fixed, 27, r), "the version record is truncated");

    std::vector<uint8_t> odd(fixed, fixed + 28);
    for (char c : std::string("Key\0Value\0Lonely\0", 17)) {
        odd.push_back(static_cast<uint8_t>(c));
    }
    odd[6] = 17;
    EXPECT_NE(parse_version_section(odd.data(), odd.size(), r).find("key without a value"),
              std::string::npos);
    odd.back() = 'x';
    EXPECT_NE(parse_version_section(odd.data(), odd.size(), r).find("does not end in a NUL"),
              std::string::npos);
}
