#include "viewer/copy_doc.h"

#include "platform/core/date.h"
#include "platform/core/date_text.h"
#include "platform/core/error.h"
#include "platform/files/file.h"

#include <optional>

namespace paginor::viewer {

namespace {

using platform::File;
using platform::FileAccess;
using platform::FileDisposition;
using platform::FileShare;

File open_shared(std::u16string_view path, FileAccess access) {
    return File::open(path, access, FileShare::ReadWrite, FileDisposition::OpenExisting);
}

// Whether another program's hold would let us read: the desktop opens with read access
// sharing read and write. Nothing locks on Linux, so this fails only for a file that
// cannot be opened at all.
bool probe(std::u16string_view path) {
    try {
        open_shared(path, FileAccess::Read);
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

std::u16string local_date_text(const platform::FILETIME& universal) {
    platform::FILETIME local;
    platform::SYSTEMTIME st;
    if (!platform::FileTimeToLocalFileTime(universal, local) ||
        !platform::FileTimeToSystemTime(local, st)) {
        return {};
    }
    std::optional<DATE> date = platform::date_from_fields(st);
    return date ? platform::format_day_month_year(*date) : std::u16string{};
}

std::optional<platform::FILETIME> universal_time(DATE local_date) {
    std::optional<platform::SYSTEMTIME> st = platform::fields_from_date(local_date);
    if (!st) {
        return std::nullopt;
    }
    st->wMilliseconds = 0;
    platform::FILETIME local;
    platform::FILETIME universal;
    if (!platform::SystemTimeToFileTime(*st, local) ||
        !platform::LocalFileTimeToFileTime(local, universal)) {
        return std::nullopt;
    }
    return universal;
}

// Blocks counted as the host counts file positions, from 1: while n - pos is at least
// one block there is a full block at pos, and the last one holds n - pos + 1 bytes.
void copy_blocks(File& source, File& target, uint64_t n) {
    uint64_t pos = 1;
    for (;;) {
        bool last = n < pos || n - pos < kCopyBlockSize;
        uint64_t size = last ? n + 1 - pos : kCopyBlockSize;
        if (size > 0 && target.copy_block_from(source, pos - 1, size) != size) {
            // The source shrank under us: what is there has been copied.
            raise_standard(std_error::InputPastEndOfFile, u"PaginorV2CTL.DDOC");
        }
        if (last) {
            return;
        }
        pos += kCopyBlockSize;
    }
}

// Date texts always name their year, so the year that a yearless text would take is
// never used here.
constexpr int kUnusedCurrentYear = 2000;

std::optional<DATE> date_of(const std::u16string& text) {
    return text.empty() ? std::nullopt : platform::parse_date(text, kUnusedCurrentYear);
}

} // namespace

void CopyDocEvenIfOpen(std::u16string_view from, std::u16string_view to) noexcept {
    try {
        uint64_t n = platform::file_length(from);
        bool probed = probe(from);
        std::u16string created;
        std::u16string written;
        std::u16string accessed;
        GetFileDates(from, created, written, accessed);
        {
            File source = open_shared(from, FileAccess::Read);
            File target =
                File::open(to, FileAccess::Write, FileShare::None, FileDisposition::OpenAlways);
            copy_blocks(source, target, n);
        }
        if (!probed) {
            return;
        }
        std::optional<DATE> c = date_of(created);
        std::optional<DATE> w = date_of(written);
        std::optional<DATE> a = date_of(accessed);
        if (c && w && a) {
            SetFileDates(to, *c, *w, *a);
        }
    } catch (...) {
        // The copy is best effort by contract; the caller goes on either way.
    }
}

void GetFileDates(std::u16string_view path, std::u16string& created, std::u16string& written,
                  std::u16string& accessed) noexcept {
    try {
        File file = open_shared(path, FileAccess::Read);
        platform::FileTimes times;
        try {
            times = file.times();
        } catch (const RuntimeError&) {
            created.clear();
            written.clear();
            accessed.clear();
            return;
        }
        created = local_date_text(times.created);
        written = local_date_text(times.written);
        accessed = local_date_text(times.accessed);
    } catch (...) {
        // Not opened: the outputs keep what they held.
    }
}

void SetFileDates(std::u16string_view path, DATE created, DATE written, DATE accessed) noexcept {
    try {
        std::optional<platform::FILETIME> c = universal_time(created);
        std::optional<platform::FILETIME> w = universal_time(written);
        std::optional<platform::FILETIME> a = universal_time(accessed);
        if (!c || !w || !a) {
            return;
        }
        File file = open_shared(path, FileAccess::Write);
        file.set_times(platform::FileTimes{*c, *w, *a});
    } catch (...) {
        // Setting dates is a courtesy; a file we may not touch keeps its own.
    }
}

} // namespace paginor::viewer
