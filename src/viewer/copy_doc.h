// The viewer's copy of a file that may be open elsewhere: read and written in blocks of
// 1,000,000 bytes at the same positions, then given the source's three dates (each as
// local midnight of its day, since the dates travel as "DD MMM YYYY" texts).
#pragma once

#include <paginor/base.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace paginor::viewer {

inline constexpr uint64_t kCopyBlockSize = 1'000'000;

// Copies from to to and sets to's dates. Never fails and never throws: a missing or
// unreadable source, a folder, an empty path, a target that cannot be opened or
// written end the copy where they occur. A missing source never creates or touches the
// target; an existing target is written from its first byte and not shortened. The dates
// are set only when the source opened for reading and every block was copied.
void CopyDocEvenIfOpen(std::u16string_view from, std::u16string_view to) noexcept;

// The three times of the file at path as local "DD MMM YYYY" texts. When the file does
// not open, the outputs keep what they held; when its times cannot be read, all three
// become empty; a time outside the date range becomes empty on its own.
void GetFileDates(std::u16string_view path, std::u16string& created, std::u16string& written,
                  std::u16string& accessed) noexcept;

// Sets the times of the existing file at path from three local dates (seconds kept,
// milliseconds dropped). Nothing happens when a date is out of range or the file does not
// open for writing; nothing is reported. Linux cannot set a creation time: created is
// converted and checked like the others but cannot be stored.
void SetFileDates(std::u16string_view path, DATE created, DATE written, DATE accessed) noexcept;

} // namespace paginor::viewer
