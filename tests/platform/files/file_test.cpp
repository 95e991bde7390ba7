#include "platform/core/error.h"
#include "platform/files/file.h"
#include "platform/files/temp.h"
#include "support/file_test_dir.h"
#include "support/raises.h"
#include "testing/file_faults.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

using namespace paginor;
using namespace paginor::platform;
using seams::BlockTransfer;
using seams::FileFaults;
using test::error_of;

namespace {

std::span<const std::byte> bytes(const std::string& s) {
    return std::as_bytes(std::span(s.data(), s.size()));
}

File open_existing(const std::u16string& path, FileAccess access) {
    return File::open(path, access, FileShare::ReadWrite, FileDisposition::OpenExisting);
}

File create(const std::u16string& path) {
    return File::open(path, FileAccess::Write, FileShare::None, FileDisposition::CreateAlways);
}

} // namespace

TEST(Files, StandardErrorsForBadPaths) {
    FileTestDir dir;
    dir.write(u"plain", "x");
    std::filesystem::create_directory(dir.path() / "folder");
    struct Row {
        std::u16string path;
        int error; // of opening, asking the length and deleting alike
    };
    const Row rows[] = {
        {dir / u"missing.txt", 53}, {dir / u"no such folder\\missing.txt", 76},
        {dir / u"plain/below", 76}, // a file on the way is no folder
        {dir / u"folder", 75},      {u"", 52},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(to_utf8(row.path));
        EXPECT_EQ(error_of([&] { open_existing(row.path, FileAccess::Read); }), row.error);
        EXPECT_EQ(error_of([&] { file_length(row.path); }), row.error);
        EXPECT_EQ(error_of([&] { delete_file(row.path); }), row.error);
        EXPECT_FALSE(file_exists(row.path));
    }
    EXPECT_TRUE(file_exists(dir / u"plain"));
    // Creating in a missing folder is a path error, not a missing file.
    EXPECT_EQ(error_of([&] { create(dir / u"nope/new"); }), 76);
    EXPECT_FALSE(dir.exists(u"nope"));
}

TEST(Files, PositionedReadsAndWritesNeverShorten) {
    FileTestDir dir;
    std::u16string path = dir / u"data.bin";
    {
        File f = File::open(path, FileAccess::ReadWrite, FileShare::ReadWrite,
                            FileDisposition::OpenAlways);
        f.write_at(4, bytes("tail"));
        EXPECT_EQ(f.length(), 8u);
        f.write_at(0, bytes("he"));
        EXPECT_EQ(f.length(), 8u);
        std::vector<std::byte> buffer(6);
        EXPECT_EQ(f.read_at(3, buffer), 5u); // short only at the end
        EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer.data()), 5), std::string("\0tail", 5));
        EXPECT_EQ(f.read_at(8, buffer), 0u);
        EXPECT_EQ(f.read_at(100, buffer), 0u);
    }
    EXPECT_EQ(dir.read(u"data.bin"), std::string("he\0\0tail", 8));
    {
        // Opening an existing file for writing keeps its bytes; creating empties it.
        File w = open_existing(path, FileAccess::Write);
        w.write_at(0, bytes("HE"));
        std::vector<std::byte> buffer(1);
        EXPECT_EQ(error_of([&] { w.read_at(0, buffer); }), 52);
        File r = open_existing(path, FileAccess::Read);
        EXPECT_EQ(error_of([&] { r.write_at(0, bytes("x")); }), 52);
        File moved = std::move(r);
        EXPECT_FALSE(r.is_open());
        EXPECT_TRUE(moved.is_open());
        EXPECT_EQ(error_of([&] { r.length(); }), 52);
    }
    EXPECT_EQ(dir.read(u"data.bin"), std::string("HE\0\0tail", 8));
    create(path);
    EXPECT_EQ(file_length(path), 0u);
}

TEST(Files, TimesWrittenAndAccessedAreSetCreationIsOnlyRead) {
    FileTestDir dir;
    dir.write(u"t", "abc");
    File f = open_existing(dir / u"t", FileAccess::Write);
    FileTimes before = f.times();
    EXPECT_NE(filetime_ticks(before.created), 0u);
    FileTimes wanted;
    wanted.created = filetime_from_unix(86400 * 365, 0);
    wanted.written = filetime_from_unix(1'600'000'000, 1'234'500);
    wanted.accessed = filetime_from_unix(1'500'000'000, 0);
    f.set_times(wanted);
    FileTimes after = f.times();
    EXPECT_EQ(after.written, wanted.written);
    EXPECT_EQ(after.accessed, wanted.accessed);
    // Linux keeps the birth time; without one the creation time is the last write.
    EXPECT_TRUE(after.created == before.created || after.created == after.written);
    EXPECT_NE(after.created, wanted.created);
}

TEST(Files, ListingMatchesFilesOnlySortedByName) {
    FileTestDir dir;
    for (const char16_t* name : {u"QMDoc2", u"qmdoc1.html", u"QMDoc3.txt", u"Other.html",
                                 u"PDFDisplay1.PDF", u"B.html", u"a.html"}) {
        dir.write(name, "x");
    }
    std::filesystem::create_directory(dir.path() / "QMDocFolder.d");
    using Names = std::vector<std::u16string>;
    EXPECT_EQ(list_files(dir / u"QMDoc*.*"), (Names{u"qmdoc1.html", u"QMDoc2", u"QMDoc3.txt"}));
    EXPECT_EQ(list_files(dir / u"*.HTML"),
              (Names{u"a.html", u"B.html", u"Other.html", u"qmdoc1.html"}));
    std::u16string backslashed = dir / u"x";
    backslashed.back() = u'\\';
    EXPECT_EQ(list_files(backslashed + u"PDFDisplay*.*"), (Names{u"PDFDisplay1.PDF"}));
    EXPECT_EQ(list_files(dir / u"QMDoc?"), (Names{u"QMDoc2"}));
    EXPECT_TRUE(list_files(dir / u"missing/*.*").empty());
    EXPECT_TRUE(list_files(dir / u"*.none").empty());
}

TEST(Files, CopyDeleteAndTextFiles) {
    FileTestDir dir;
    dir.write(u"src", "short");
    dir.write(u"dst", "a much longer old target");
    copy_file(dir / u"src", dir / u"dst");
    EXPECT_EQ(dir.read(u"dst"), "short"); // a whole-file copy replaces the target
    EXPECT_EQ(error_of([&] { copy_file(dir / u"missing", dir / u"dst"); }), 53);
    EXPECT_EQ(dir.read(u"dst"), "short");
    EXPECT_EQ(error_of([&] { copy_file(dir / u"src", dir / u"no/dst"); }), 76);

    std::vector<std::u16string> lines{u"<html>", u"", u"caf\u00e9 \u20ac \u6587"};
    dir.write(u"page.html", "old content that is longer than the new one");
    write_text_file(dir / u"page.html", lines);
    EXPECT_EQ(dir.read(u"page.html"), "<html>\r\n\r\ncaf\xE9 \x80 ?\r\n");
    EXPECT_EQ(read_file_bytes(dir / u"page.html"), dir.read(u"page.html"));

    delete_file(dir / u"src");
    EXPECT_FALSE(dir.exists(u"src"));
    EXPECT_EQ(error_of([&] { delete_file(dir / u"src"); }), 53);
}

// Through the file observer: what fails does nothing, and a block copy is a read and a write.
TEST(FileObserver, FailsTheChosenOperationAndSeesTransfers) {
    FileTestDir dir;
    FileFaults seam;
    EXPECT_THROW(FileFaults second, std::logic_error);
    dir.write(u"c", "0123456789");
    seam.fail(FileOp::Delete, 1, std_error::PermissionDenied);
    EXPECT_EQ(error_of([&] { delete_file(dir / u"c"); }), 70); // c stays, read below
    seam.fail(std::nullopt, 3, std_error::DiskFull);
    File in = open_existing(dir / u"c", FileAccess::Read);          // 1
    File out = create(dir / u"d");                                  // 2
    EXPECT_EQ(error_of([&] { out.write_at(0, bytes("xx")); }), 61); // 3
    EXPECT_EQ(out.copy_block_from(in, 2, 6), 6u);
    EXPECT_EQ(out.copy_block_from(in, 8, 6), 2u); // the source ends early
    std::vector<std::byte> buffer(4);
    EXPECT_EQ(in.read_at(1, buffer), 4u);
    EXPECT_EQ(dir.read(u"d"), std::string("\0\0"
                                          "23456789",
                                          10));

    using Op = FileOp;
    EXPECT_EQ(seam.operations(),
              (std::vector<Op>{Op::Delete, Op::Open, Op::Open, Op::Write, Op::Read, Op::Write,
                               Op::Read, Op::Write, Op::Read}));
    EXPECT_EQ(seam.transfers(), (std::vector<BlockTransfer>{{Op::Read, 2, 6},
                                                            {Op::Write, 2, 6},
                                                            {Op::Read, 8, 6},
                                                            {Op::Write, 8, 6},
                                                            {Op::Read, 1, 4}}));
}

TEST(TempFolder, TempThenTmpdirThenTmp) {
    std::optional<std::string> saved[2];
    const char* names[2] = {"TEMP", "TMPDIR"};
    for (int i = 0; i < 2; ++i)
        if (const char* v = std::getenv(names[i]))
            saved[i] = v;
    setenv("TEMP", "/t/emp\\", 1);
    setenv("TMPDIR", "/t/mpdir", 1);
    EXPECT_EQ(temp_folder(), u"/t/emp\\");
    setenv("TEMP", "", 1);
    EXPECT_EQ(temp_folder(), u"/t/mpdir");
    unsetenv("TEMP");
    unsetenv("TMPDIR");
    EXPECT_EQ(temp_folder(), u"/tmp");
    for (int i = 0; i < 2; ++i)
        saved[i] ? setenv(names[i], saved[i]->c_str(), 1) : unsetenv(names[i]);
}
