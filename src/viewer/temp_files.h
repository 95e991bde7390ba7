// The viewer's temporary files: their names under the temporary folder, the time stamp
// in them, and the clean-up that removes a former document's files before the next.
#pragma once

#include <string>
#include <string_view>

namespace paginor::viewer {

// The temporary folder (TEMP, else TMPDIR, else /tmp) followed directly by name, which
// begins with "\" (the file layer takes it for "/").
std::u16string temp_path(std::u16string_view name);

// The clock's local date and time as "YYYYMMDDHHNNSS".
std::u16string time_stamp();

// Deletes the files of the four patterns "\DisplayDoc*.html", "\DisplayDoc*.qmview",
// "\QMDoc*.*", "\PDFDisplay*.*", in this order, each in name order. The first failed
// deletion of a pattern leaves that pattern's remaining files in place; a folder that
// cannot be read leaves everything. Nothing is reported. "\ViewDoc" copies are never
// removed.
void remove_old_renditions() noexcept;

} // namespace paginor::viewer
