#include "library/version.h"

#include "support/scratch.h"

#include <gtest/gtest.h>

using namespace paginor::frame;
using paginor::test::read_file;
using paginor::test::Scratch;
using paginor::test::write_file;

namespace {

void expect_our_record(const VersionRecord& r) {
    using Strings = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(std::vector<uint16_t>(r.file_version, r.file_version + 4),
              (std::vector<uint16_t>{8, 2, 0, 7}));
    EXPECT_EQ(std::vector<uint16_t>(r.product_version, r.product_version + 4),
              (std::vector<uint16_t>{8, 2, 0, 7}));
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
        {"text.so", "just some text, no ELF header here", "not an ELF file"},
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
