// The file service: open files with the desktop's access, share and disposition choices,
// positioned binary reads and writes, lengths, the three file times, and whole-file
// operations (exists, delete, copy, listing by wildcard, text files in the code page).
//
// Paths are UTF-16 with either separator (see path.h). Every failure is raised as a
// paginor::RuntimeError carrying the host runtime's standard file error:
//   53 File not found      (the file is missing)
//   76 Path not found      (a folder on the way is missing or is not a folder)
//   70 Permission denied   (no access, read-only file system)
//   61 Disk full           (no space, quota or file size limit)
//   52 Bad file name or number (an empty path)
//   75 Path/File access error  (a folder given where a file goes)
//   57 Device I/O error    (anything else the system reports)
// Each call counts as one operation, seen by the file observer (below) when one is set.
#pragma once

#include "platform/core/date.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace paginor::platform {

enum class FileAccess { Read, Write, ReadWrite };

// Accepted for the desktop's sake and never enforced: nothing locks a file on Linux, so
// every open shares everything with every other program.
enum class FileShare { None, Read, Write, ReadWrite };

enum class FileDisposition {
    OpenExisting, // fail with 53 (or 76) when missing
    OpenAlways,   // create when missing; an existing file keeps its bytes
    CreateAlways, // create, or empty an existing file
};

// A file's three times as universal file times, in the order used throughout.
struct FileTimes {
    FILETIME created{};
    FILETIME written{};
    FILETIME accessed{};
};

// What tells one content of a file from another without reading it: its length and its
// last write time to the nanosecond.
struct FileVersion {
    uint64_t length{0};
    int64_t written_seconds{0};
    int64_t written_nanoseconds{0};
    friend bool operator==(const FileVersion&, const FileVersion&) = default;
};

// An open file. Owns its descriptor; moving transfers it; destruction closes it.
class File {
  public:
    // Opens or creates path. Raises the errors listed above; a folder raises 75.
    static File open(std::u16string_view path, FileAccess access, FileShare share,
                     FileDisposition disposition);

    File() = default;
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool is_open() const { return m_fd >= 0; }
    // Closes now; closing a closed file does nothing.
    void close();

    // Reads up to buffer.size() bytes at offset (counted from 0) and returns how many it
    // got: fewer only at the end of the file, 0 at or past it. Raises 57 on a read error,
    // 52 on a closed file or one opened for writing only.
    size_t read_at(uint64_t offset, std::span<std::byte> buffer);
    // Writes all of data at offset, growing the file as needed; never shortens it.
    // Raises 61 when the disk is full, 52 on a closed file or one opened for reading only.
    void write_at(uint64_t offset, std::span<const std::byte> data);
    // Copies size bytes from source at offset to this file at the same offset, in the
    // kernel where it can; counts as one read of source and one write here. Returns the
    // bytes copied, fewer only when source ends early. Errors as read_at and write_at.
    uint64_t copy_block_from(File& source, uint64_t offset, uint64_t size);

    // Length in bytes. Raises 52 on a closed file.
    uint64_t length() const;

    // Length and last write time at once, as one time query. Raises 52 on a closed file.
    FileVersion version() const;

    // The three times. Creation is the file system's birth time where it records one,
    // else the last write time. Raises 52 on a closed file.
    FileTimes times() const;
    // Sets the last write and last access times. Linux cannot set a creation time, so
    // times.created is ignored. Raises 70 when not allowed, 52 on a closed file.
    void set_times(const FileTimes& times);

  private:
    friend void copy_file(std::u16string_view, std::u16string_view);
    friend void write_text_file(std::u16string_view, std::span<const std::u16string>);
    friend std::string read_file_bytes(std::u16string_view);
    explicit File(int fd, FileAccess access) : m_fd(fd), m_access(access) {}
    void require(bool reading) const;

    int m_fd{-1};
    FileAccess m_access{FileAccess::Read};
};

// Length of the file at path. Raises 53/76 when missing, 75 for a folder, 52 when empty.
uint64_t file_length(std::u16string_view path);

// True when path names an existing file (not a folder). Never raises for a bad or empty
// path (false); only a file observer can make it raise.
bool file_exists(std::u16string_view path);

// Deletes the file. Raises 53/76 when missing, 75 for a folder, 70 when not allowed.
void delete_file(std::u16string_view path);

// Whole-file copy: target created or emptied, then every byte of source written to it.
// Raises for source as open does; a target that cannot be created raises 76/70/61. When
// the source cannot be opened the target is left untouched.
void copy_file(std::u16string_view from, std::u16string_view to);

// Names (without folder) of the files in the folder part of pattern whose names match
// its last component by wildcard_match, sorted by name ignoring case (then by exact
// order). Folders are not listed. A missing or unreadable folder gives an empty list.
std::vector<std::u16string> list_files(std::u16string_view pattern);

// Writes lines as a new text file (an existing one is replaced): each line in the
// single-byte code page (unmappable characters become "?") and ended by CR LF.
// Raises as open does for creating.
void write_text_file(std::u16string_view path, std::span<const std::u16string> lines);

// The whole content of a file as bytes. Raises as open does for reading.
std::string read_file_bytes(std::u16string_view path);

// Every call above is one operation of one of these kinds; a block copy is a Read of its
// source and then a Write.
enum class FileOp {
    Open,
    Read,
    Write,
    Length,
    Exists,
    GetTimes,
    SetTimes,
    Delete,
    Copy,
    List,
    WriteText
};

// A positioned read or write as asked for: offset counted from 0, size in bytes.
struct FileBlock {
    uint64_t offset{0};
    uint64_t size{0};
};

// The one hook the file service keeps for its tests. On Linux nothing locks a file and the
// tests run as root, so "permission denied", "disk full" or a failing read cannot be
// provoked for real, and a block copy can only be checked by seeing each block. When set,
// the observer is called before every operation, with the block for positioned reads and
// writes and null otherwise; what it throws fails the operation before it touches the
// file system. Unset (the default) it costs one test per operation.
using FileObserver = void (*)(FileOp op, const FileBlock* block);
// Installs observer (null removes it) and returns the one it replaces.
FileObserver set_file_observer(FileObserver observer);

} // namespace paginor::platform
