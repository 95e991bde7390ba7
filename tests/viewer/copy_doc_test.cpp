#include "platform/core/date.h"
#include "platform/core/error.h"
#include "platform/files/file.h"
#include "support/date_test_zone.h"
#include "support/ddoc_test_support.h"
#include "support/file_test_dir.h"
#include "testing/file_faults.h"
#include "viewer/copy_doc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace paginor;
using namespace paginor::platform;
using seams::BlockTransfer;
using seams::FileFaults;

namespace {

std::string pattern(size_t n) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i)
        s[i] = char('a' + (i * 7 + i / 1'000'000) % 26);
    return s;
}

// The host's call: through the typed interface, which must always answer S_OK.
void host_copy(const std::u16string& from, const std::u16string& to) {
    automation::Ref<_DDOC> ddoc = test::create<_DDOC>(CLSID_DDOC, IID__DDOC);
    ASSERT_TRUE(ddoc);
    automation::Bstr f(from), t(to);
    EXPECT_EQ(ddoc->CopyDocEvenIfOpen(f.get(), t.get()), S_OK);
    EXPECT_EQ(ddoc.detach()->Release(), 0u);
}

FILETIME universal_of_local(int y, int mo, int d, int h, int mi) {
    const SYSTEMTIME st{WORD(y), WORD(mo), 0, WORD(d), WORD(h), WORD(mi)};
    FILETIME local, universal;
    EXPECT_TRUE(SystemTimeToFileTime(st, local));
    EXPECT_TRUE(LocalFileTimeToFileTime(local, universal));
    return universal;
}

SYSTEMTIME local_fields(FILETIME universal) {
    FILETIME local;
    SYSTEMTIME st;
    EXPECT_TRUE(FileTimeToLocalFileTime(universal, local));
    EXPECT_TRUE(FileTimeToSystemTime(local, st));
    return st;
}

FileTimes times_of(const std::u16string& path) {
    return File::open(path, FileAccess::Read, FileShare::ReadWrite, FileDisposition::OpenExisting)
        .times();
}

void set_source_times(const std::u16string& path, FILETIME written, FILETIME accessed) {
    File::open(path, FileAccess::Write, FileShare::ReadWrite, FileDisposition::OpenExisting)
        .set_times(FileTimes{written, written, accessed});
}

bool is_local_midnight(FILETIME universal) {
    SYSTEMTIME st = local_fields(universal);
    return st.wHour == 0 && st.wMinute == 0 && st.wSecond == 0 && st.wMilliseconds == 0;
}

} // namespace

// The operations in their order: the length, the probe, the dates' own open and read, the
// two files, the blocks (each read, then written at the same place), then the target opened
// again for its dates. A longer target keeps its tail.
TEST(CopyDoc, BlocksOfAMillionBytesAtTheirPositions) {
    using Op = FileOp;
    FileTestDir dir;
    for (size_t size : {2'500'000, 1'000'000, 1'000'001, 999'999, 0}) {
        std::vector<Op> ops{Op::Length, Op::Open, Op::Open, Op::GetTimes, Op::Open, Op::Open};
        std::vector<BlockTransfer> want;
        for (uint64_t at = 0; at < size; at += 1'000'000) {
            uint64_t n = std::min<uint64_t>(1'000'000, size - at);
            want.insert(want.end(), {{Op::Read, at, n}, {Op::Write, at, n}});
            ops.insert(ops.end(), {Op::Read, Op::Write});
        }
        ops.insert(ops.end(), {Op::Open, Op::SetTimes});
        std::string content = pattern(size);
        dir.write(u"source.pdf", content);
        dir.write(u"copy.pdf", std::string(size + 4, '#'));
        FileFaults seen;
        host_copy(dir / u"source.pdf", dir / u"copy.pdf");
        EXPECT_EQ(seen.operations(), ops) << size;
        EXPECT_EQ(seen.transfers(), want) << size;
        EXPECT_EQ(dir.read(u"copy.pdf"), content + "####") << size;
    }
}

TEST(CopyDoc, DatesBecomeLocalMidnightOfTheSameDayInEachZone) {
    struct Row {
        const char* zone;
        int written_day, written_hour, written_minute;    // in July 2025 (summer time)
        int accessed_day, accessed_hour, accessed_minute; // in January 2025
    };
    const Row rows[] = {
        {kBerlin, 15, 14, 35, 20, 0, 30},   // just after midnight stays on its day
        {kNewYork, 15, 23, 30, 20, 22, 15}, // late evening: the universal day is the next
    };
    FileTestDir dir;
    for (const Row& row : rows) {
        ScopedTimeZone zone(row.zone);
        dir.write(u"src.mp3", "media bytes");
        std::filesystem::remove(dir.path() / "copy.mp3");
        set_source_times(
            dir / u"src.mp3",
            universal_of_local(2025, 7, row.written_day, row.written_hour, row.written_minute),
            universal_of_local(2025, 1, row.accessed_day, row.accessed_hour, row.accessed_minute));
        host_copy(dir / u"src.mp3", dir / u"copy.mp3");
        FileTimes copy = times_of(dir / u"copy.mp3");
        EXPECT_EQ(copy.written, universal_of_local(2025, 7, row.written_day, 0, 0)) << row.zone;
        EXPECT_EQ(copy.accessed, universal_of_local(2025, 1, row.accessed_day, 0, 0)) << row.zone;
        EXPECT_EQ(dir.read(u"copy.mp3"), "media bytes");
    }
}

TEST(CopyDoc, BadInputReturnsNormallyAndLosesNothing) {
    FileTestDir dir;
    dir.write(u"target", "precious old content");
    std::filesystem::create_directory(dir.path() / "folder");
    struct Row {
        std::u16string from, to;
        bool target_is_old; // otherwise the target must not exist afterwards
    };
    const Row rows[] = {
        {dir / u"missing", dir / u"target", true},
        {dir / u"missing", dir / u"new", false},
        {dir / u"folder", dir / u"new", false},
        {dir / u"folder", dir / u"target", true},
        {u"", dir / u"new", false},
        {u"", dir / u"target", true},
        {dir / u"target", dir / u"no folder/new", false},
        {dir / u"target", u"", false},
        {dir / u"target", dir / u"folder", false},
        {dir / u"target", dir / u"target", true}, // onto itself: same bytes
    };
    for (const Row& row : rows) {
        host_copy(row.from, row.to);
        EXPECT_EQ(dir.read(u"target"), "precious old content") << to_utf8(row.from);
        EXPECT_FALSE(!row.target_is_old && !row.to.empty() && file_exists(row.to))
            << to_utf8(row.to);
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "folder"));
    EXPECT_FALSE(dir.exists(u"no folder"));
}

TEST(CopyDoc, FailuresMidwayAreSwallowedAndLeaveTheDatesAlone) {
    ScopedTimeZone zone(kBerlin);
    FileTestDir dir;
    std::string content = pattern(2'500'000);
    struct Row {
        const char* what;
        FileOp op;
        int k, number;
        bool copied; // all bytes arrive
    };
    const Row rows[] = {
        {"the probe is refused", FileOp::Open, 1, std_error::PermissionDenied, true},
        {"the times cannot be read", FileOp::GetTimes, 1, std_error::DeviceIOError, true},
        {"the disk fills at the second block", FileOp::Write, 2, std_error::DiskFull, false},
        {"the target may not be written", FileOp::Open, 4, std_error::PermissionDenied, false},
        {"the source cannot be read", FileOp::Read, 1, std_error::DeviceIOError, false},
    };
    for (const Row& row : rows) {
        dir.write(u"src.pdf", content);
        std::filesystem::remove(dir.path() / "copy.pdf");
        set_source_times(dir / u"src.pdf", universal_of_local(2025, 7, 15, 14, 35),
                         universal_of_local(2025, 7, 16, 9, 0));
        {
            FileFaults faults;
            faults.fail(row.op, row.k, row.number);
            host_copy(dir / u"src.pdf", dir / u"copy.pdf");
        }
        std::string copy = dir.read(u"copy.pdf");
        EXPECT_EQ(copy == content, row.copied) << row.what;
        EXPECT_FALSE(dir.exists(u"copy.pdf") &&
                     is_local_midnight(times_of(dir / u"copy.pdf").written))
            << row.what;
        EXPECT_EQ(dir.read(u"src.pdf"), content) << row.what;
    }
}

TEST(CopyDoc, FileDatesReadAsTextsAndSetFromDates) {
    ScopedTimeZone zone(kNewYork);
    FileTestDir dir;
    dir.write(u"f", "x");
    set_source_times(dir / u"f", universal_of_local(2024, 2, 29, 23, 59),
                     universal_of_local(1999, 12, 31, 0, 0));
    std::u16string created = u"keep", written = u"keep", accessed = u"keep";
    viewer::GetFileDates(dir / u"missing", created, written, accessed);
    EXPECT_EQ(written, u"keep"); // not opened: untouched
    viewer::GetFileDates(dir / u"f", created, written, accessed);
    EXPECT_EQ(written, u"29 Feb 2024");
    EXPECT_EQ(accessed, u"31 Dec 1999");
    EXPECT_EQ(created.size(), 11u);
    {
        FileFaults faults;
        faults.fail(FileOp::GetTimes, 1, std_error::DeviceIOError);
        viewer::GetFileDates(dir / u"f", created, written, accessed);
    }
    EXPECT_EQ(created + written + accessed, u""); // unreadable times: all emptied

    const DATE d = *date_from_fields(SYSTEMTIME{2023, 6, 0, 1, 12, 0, 7, 800});
    viewer::SetFileDates(dir / u"f", d, d, d + 1);
    FileTimes t = times_of(dir / u"f");
    EXPECT_EQ(t.written, [] {
        FILETIME ft = universal_of_local(2023, 6, 1, 12, 0);
        return make_filetime(filetime_ticks(ft) + 7 * kTicksPerSecond); // milliseconds dropped
    }());
    EXPECT_EQ(local_fields(t.accessed).wDay, 2);
    FileTimes before = t;
    viewer::SetFileDates(dir / u"f", d, 1e9, d); // one date out of range: nothing is set
    viewer::SetFileDates(dir / u"missing", d, d, d);
    EXPECT_EQ(times_of(dir / u"f").written, before.written);
    EXPECT_FALSE(dir.exists(u"missing"));
}
