#include "viewer/temp_files.h"

#include "platform/core/clock.h"
#include "platform/files/file.h"
#include "platform/files/path.h"
#include "platform/files/temp.h"

#include <cstdio>
#include <vector>

namespace paginor::viewer {

std::u16string temp_path(std::u16string_view name) {
    return platform::temp_folder() + std::u16string(name);
}

std::u16string time_stamp() {
    const platform::LocalTime t = platform::GetLocalTime();
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return std::u16string(text, text + 14);
}

// The folder is read once and its names matched against each pattern in turn: the same
// names as a listing per pattern, at a quarter of the reading.
void remove_old_renditions() noexcept {
    std::vector<std::u16string> names;
    try {
        names = platform::list_files(temp_path(u"\\*"));
    } catch (...) {
        return; // a folder that cannot be read has nothing to remove
    }
    for (const char16_t* pattern :
         {u"DisplayDoc*.html", u"DisplayDoc*.qmview", u"QMDoc*.*", u"PDFDisplay*.*"}) {
        try {
            for (const std::u16string& name : names)
                if (platform::wildcard_match(pattern, name))
                    platform::delete_file(temp_path(u"\\" + name));
        } catch (...) {
            // A file held elsewhere stays, and so do the rest of its pattern.
        }
    }
}

} // namespace paginor::viewer
