#include "platform/files/file.h"

#include "platform/core/error.h"
#include "platform/core/unicode.h"
#include "platform/files/path.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace paginor::platform {

namespace {

constexpr char16_t kSource[] = u"PaginorV2CTL";

FileObserver g_observer = nullptr;

void observe(FileOp op, const FileBlock* block = nullptr) {
    if (g_observer != nullptr) {
        g_observer(op, block);
    }
}

[[noreturn]] void raise(int number) {
    raise_standard(number, kSource);
}

bool is_folder(const std::string& native) {
    struct stat st {};
    return ::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// A missing file is "file not found" only when its folder exists; otherwise the path
// is what is missing.
[[noreturn]] void raise_errno(int error, std::u16string_view path) {
    switch (error) {
    case ENOENT: {
        std::u16string_view folder = path_folder(path);
        bool folder_there = folder.empty() || is_folder(native_path(folder));
        raise(folder_there ? std_error::FileNotFound : std_error::PathNotFound);
    }
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        raise(std_error::PathNotFound);
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        raise(std_error::PermissionDenied);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        raise(std_error::DiskFull);
    case EISDIR:
        raise(std_error::PathFileAccessError);
    case EMFILE:
    case ENFILE:
        raise(67); // Too many files
    default:
        raise(std_error::DeviceIOError);
    }
}

std::string checked_native(std::u16string_view path) {
    if (path.empty()) {
        raise(std_error::BadFileNameOrNumber);
    }
    return native_path(path);
}

// Opens without counting an operation, for the whole-file calls built on it.
int open_fd(std::u16string_view path, int flags) {
    std::string native = checked_native(path);
    int fd = ::open(native.c_str(), flags | O_CLOEXEC, 0666);
    if (fd < 0) {
        raise_errno(errno, path);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        raise(std_error::PathFileAccessError);
    }
    return fd;
}

int open_flags(FileAccess access, FileDisposition disposition) {
    int flags = access == FileAccess::Read    ? O_RDONLY
                : access == FileAccess::Write ? O_WRONLY
                                              : O_RDWR;
    if (disposition == FileDisposition::OpenAlways) {
        flags |= O_CREAT;
    } else if (disposition == FileDisposition::CreateAlways) {
        flags |= O_CREAT | O_TRUNC;
    }
    return flags;
}

size_t pread_all(int fd, uint64_t offset, std::byte* data, size_t size) {
    size_t done = 0;
    while (done < size) {
        ssize_t n = ::pread(fd, data + done, size - done, off_t(offset + done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            raise(std_error::DeviceIOError);
        }
        if (n == 0) {
            break;
        }
        done += size_t(n);
    }
    return done;
}

void pwrite_all(int fd, uint64_t offset, const std::byte* data, size_t size) {
    size_t done = 0;
    while (done < size) {
        ssize_t n = ::pwrite(fd, data + done, size - done, off_t(offset + done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            raise_errno(errno, u"");
        }
        done += size_t(n);
    }
}

// In-kernel copy of a range at the same offset in both files, through a buffer when the
// kernel cannot (other file systems, special files). Returns the bytes copied.
uint64_t copy_range(int from, int to, uint64_t offset, uint64_t size) {
    uint64_t done = 0;
    while (done < size) {
        loff_t in = loff_t(offset + done);
        loff_t out = in;
        ssize_t n = ::copy_file_range(from, &in, to, &out, size_t(size - done), 0);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP ||
                      errno == EBADF)) {
            break;
        }
        if (n < 0) {
            raise_errno(errno, u"");
        }
        if (n == 0) {
            return done;
        }
        done += uint64_t(n);
    }
    std::vector<std::byte> buffer(size_t(std::min<uint64_t>(size - done, 1 << 20)));
    while (done < size) {
        size_t want = size_t(std::min<uint64_t>(size - done, buffer.size()));
        size_t got = pread_all(from, offset + done, buffer.data(), want);
        pwrite_all(to, offset + done, buffer.data(), got);
        done += got;
        if (got < want) {
            break;
        }
    }
    return done;
}

FILETIME filetime_of(const struct statx_timestamp& t) {
    return filetime_from_unix(t.tv_sec, t.tv_nsec);
}

struct timespec timespec_of(FILETIME ft) {
    int64_t seconds = 0;
    int64_t ns = 0;
    unix_from_filetime(ft, seconds, ns);
    struct timespec ts {};
    ts.tv_sec = time_t(seconds);
    ts.tv_nsec = long(ns);
    return ts;
}

// Names ignoring case first, so listings read as a user expects; exact order breaks ties
// so that the result never depends on the directory's order.
bool name_order(const std::u16string& a, const std::u16string& b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        char16_t x = fold_case(a[i]);
        char16_t y = fold_case(b[i]);
        if (x != y) {
            return x < y;
        }
    }
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

} // namespace

FileObserver set_file_observer(FileObserver observer) {
    return std::exchange(g_observer, observer);
}

File File::open(std::u16string_view path, FileAccess access, FileShare /*share*/,
                FileDisposition disposition) {
    observe(FileOp::Open);
    return File(open_fd(path, open_flags(access, disposition)), access);
}

File::File(File&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)), m_access(other.m_access) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        close();
        m_fd = std::exchange(other.m_fd, -1);
        m_access = other.m_access;
    }
    return *this;
}

File::~File() {
    close();
}

void File::close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

void File::require(bool reading) const {
    bool allowed = reading ? m_access != FileAccess::Write : m_access != FileAccess::Read;
    if (m_fd < 0 || !allowed) {
        raise(std_error::BadFileNameOrNumber);
    }
}

size_t File::read_at(uint64_t offset, std::span<std::byte> buffer) {
    const FileBlock block{offset, buffer.size()};
    observe(FileOp::Read, &block);
    require(true);
    return pread_all(m_fd, offset, buffer.data(), buffer.size());
}

void File::write_at(uint64_t offset, std::span<const std::byte> data) {
    const FileBlock block{offset, data.size()};
    observe(FileOp::Write, &block);
    require(false);
    pwrite_all(m_fd, offset, data.data(), data.size());
}

uint64_t File::copy_block_from(File& source, uint64_t offset, uint64_t size) {
    const FileBlock block{offset, size};
    observe(FileOp::Read, &block);
    source.require(true);
    observe(FileOp::Write, &block);
    require(false);
    return copy_range(source.m_fd, m_fd, offset, size);
}

namespace {

struct stat status_of(int fd) {
    if (fd < 0) {
        raise(std_error::BadFileNameOrNumber);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        raise(std_error::DeviceIOError);
    }
    return st;
}

} // namespace

uint64_t File::length() const {
    observe(FileOp::Length);
    return uint64_t(status_of(m_fd).st_size);
}

FileVersion File::version() const {
    observe(FileOp::GetTimes);
    const struct stat st = status_of(m_fd);
    return {uint64_t(st.st_size), int64_t(st.st_mtim.tv_sec), int64_t(st.st_mtim.tv_nsec)};
}

FileTimes File::times() const {
    observe(FileOp::GetTimes);
    if (m_fd < 0) {
        raise(std_error::BadFileNameOrNumber);
    }
    struct statx sx {};
    unsigned mask = STATX_ATIME | STATX_MTIME | STATX_BTIME;
    if (::statx(m_fd, "", AT_EMPTY_PATH, mask, &sx) != 0) {
        raise(std_error::DeviceIOError);
    }
    FileTimes times;
    times.written = filetime_of(sx.stx_mtime);
    times.accessed = filetime_of(sx.stx_atime);
    times.created = (sx.stx_mask & STATX_BTIME) ? filetime_of(sx.stx_btime) : times.written;
    return times;
}

void File::set_times(const FileTimes& times) {
    observe(FileOp::SetTimes);
    if (m_fd < 0) {
        raise(std_error::BadFileNameOrNumber);
    }
    struct timespec both[2] = {timespec_of(times.accessed), timespec_of(times.written)};
    if (::futimens(m_fd, both) != 0) {
        raise_errno(errno, u"");
    }
}

uint64_t file_length(std::u16string_view path) {
    observe(FileOp::Length);
    std::string native = checked_native(path);
    struct stat st {};
    if (::stat(native.c_str(), &st) != 0) {
        raise_errno(errno, path);
    }
    if (S_ISDIR(st.st_mode)) {
        raise(std_error::PathFileAccessError);
    }
    return uint64_t(st.st_size);
}

bool file_exists(std::u16string_view path) {
    observe(FileOp::Exists);
    if (path.empty()) {
        return false;
    }
    struct stat st {};
    return ::stat(native_path(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

void delete_file(std::u16string_view path) {
    observe(FileOp::Delete);
    std::string native = checked_native(path);
    if (::unlink(native.c_str()) != 0) {
        raise_errno(errno, path);
    }
}

void copy_file(std::u16string_view from, std::u16string_view to) {
    observe(FileOp::Copy);
    File source(open_fd(from, O_RDONLY), FileAccess::Read);
    File target(open_fd(to, O_WRONLY | O_CREAT | O_TRUNC), FileAccess::Write);
    struct stat st {};
    if (::fstat(source.m_fd, &st) != 0) {
        raise(std_error::DeviceIOError);
    }
    copy_range(source.m_fd, target.m_fd, 0, uint64_t(st.st_size));
}

std::vector<std::u16string> list_files(std::u16string_view pattern) {
    observe(FileOp::List);
    std::u16string_view folder = path_folder(pattern);
    std::u16string_view wanted = path_name(pattern);
    std::string native = folder.empty() && pattern.size() == wanted.size() ? std::string(".")
                         : folder.empty()                                  ? std::string("/")
                                                                           : native_path(folder);
    std::vector<std::u16string> names;
    DIR* dir = ::opendir(native.c_str());
    if (dir == nullptr) {
        return names;
    }
    while (struct dirent* entry = ::readdir(dir)) {
        std::u16string name = from_utf8(entry->d_name);
        if (name == u"." || name == u".." || !wildcard_match(wanted, name)) {
            continue;
        }
        // The entry's own type spares a stat per file; links and unknown types are
        // followed to what they name.
        struct stat st {};
        if (entry->d_type == DT_REG ||
            (entry->d_type != DT_DIR && ::fstatat(::dirfd(dir), entry->d_name, &st, 0) == 0 &&
             !S_ISDIR(st.st_mode))) {
            names.push_back(std::move(name));
        }
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), name_order);
    return names;
}

void write_text_file(std::u16string_view path, std::span<const std::u16string> lines) {
    observe(FileOp::WriteText);
    std::string bytes;
    for (const std::u16string& line : lines) {
        bytes += to_codepage(line);
        bytes += "\r\n";
    }
    File target(open_fd(path, O_WRONLY | O_CREAT | O_TRUNC), FileAccess::Write);
    pwrite_all(target.m_fd, 0, reinterpret_cast<const std::byte*>(bytes.data()), bytes.size());
}

std::string read_file_bytes(std::u16string_view path) {
    observe(FileOp::Read);
    File source(open_fd(path, O_RDONLY), FileAccess::Read);
    struct stat st {};
    if (::fstat(source.m_fd, &st) != 0) {
        raise(std_error::DeviceIOError);
    }
    std::string bytes(size_t(st.st_size), '\0');
    size_t got =
        pread_all(source.m_fd, 0, reinterpret_cast<std::byte*>(bytes.data()), bytes.size());
    bytes.resize(got);
    return bytes;
}

} // namespace paginor::platform
