#include "viewer/temp_files.h"

#include "platform/core/clock.h"
#include "platform/files/file.h"
#include "platform/files/temp.h"

#include <cstdio>

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

void remove_old_renditions() noexcept {
    for (const char16_t* pattern :
         {u"\\DisplayDoc*.html", u"\\DisplayDoc*.qmview", u"\\QMDoc*.*", u"\\PDFDisplay*.*"}) {
        try {
            for (const std::u16string& name : platform::list_files(temp_path(pattern)))
                platform::delete_file(temp_path(u"\\" + name));
        } catch (...) {
            // A file held elsewhere stays, and so do the rest of its pattern.
        }
    }
}

} // namespace paginor::viewer
