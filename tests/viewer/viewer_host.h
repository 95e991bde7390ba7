// A DDOC as a host holds it, placed on a form of the public host API or unsited (made
// through the class factory only), with TEMP set to a fresh folder and the manual clock at
// 7 Dec 2026 10:05:09, so every temporary name carries the stamp "20261207100509".
#pragma once

#include <paginor/form.h>

#include "support/file_test_dir.h"
#include "support/objects.h"
#include "viewer/DDOC.h"

#include <cstdlib>
#include <optional>

namespace paginor::test {

inline constexpr const char16_t* kStamp = u"20261207100509";

class ViewerHost {
  public:
    explicit ViewerHost(bool placed) {
        std::filesystem::create_directories(temp.path() / "tmp");
        setenv("TEMP", (temp.path() / "tmp").c_str(), 1);
        PaginorSetClock(1);
        PaginorSetLocalTime(2026, 12, 7, 10, 5, 9);
        if (placed) {
            form = Form::create(u"Form1", 6600, 4800).value;
            viewer = form->add(u"PaginorV2CTL.DDOC", u"v", 0, 0, 6000, 4500).value;
        } else {
            viewer = Control(create(CLSID_DDOC));
        }
        PaginorDoEvents();
    }
    ~ViewerHost() { unsetenv("TEMP"); }

    DDOC& ddoc() const { return dynamic_cast<DDOC&>(*frame::UserControl::from(viewer.object())); }
    Status document(const std::u16string& path) const {
        return viewer.put(u"TheDocument", std::u16string_view(path));
    }
    Status view(LONG v) const { return viewer.put(u"TheView", v); }
    // A file under TEMP by its name; documents lie beside TEMP, not in it.
    std::string temp_bytes(const std::u16string& name) const { return temp.read(u"tmp/" + name); }

    FileTestDir temp; // the documents; TEMP is its folder "tmp"
    std::optional<Form> form;
    Control viewer;
};

} // namespace paginor::test
