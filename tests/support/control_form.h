// One library control on a form of the public host API, at (8, 8) pixels, with the manual
// clock, its events' names recorded, and its pixels read relative to its own corner.
#pragma once

#include <paginor/form.h>

#include "support/host_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace paginor::test {

class ControlForm {
  public:
    static constexpr LONG kAt = 8; // px; 120 twips at 15 twips per pixel

    // A form of width x height twips holding progid as "c1" at (120, 120) twips.
    ControlForm(const char16_t* progid, LONG width, LONG height)
        : ControlForm(Form::create(u"Form1", 2400, 900).value, progid, width, height) {}
    // A loaded form whose control is named "c1".
    explicit ControlForm(Form loaded) : ControlForm(std::move(loaded), nullptr, 0, 0) {}
    ~ControlForm() { PaginorUnadvise(control.object(), cookie); }

    // The event names since the last call, apart by " ".
    std::string events() {
        PaginorDoEvents();
        std::string all;
        for (const std::u16string& n : names)
            all += (all.empty() ? "" : " ") + std::string(n.begin(), n.end());
        names.clear();
        return all;
    }
    // Input relative to the control's corner, then the pump.
    void mouse(LONG x, LONG y) {
        form.mouse(kAt + x, kAt + y);
        PaginorDoEvents();
    }
    void button(SHORT b, bool down) {
        form.button(b, down);
        PaginorDoEvents();
    }
    // A click where the pointer is, apart from an earlier one by more than the
    // double-click time.
    void click(SHORT b = 1) { advance(600), button(b, true), button(b, false); }
    void advance(DWORD ms) {
        PaginorAdvanceClock(ms);
        PaginorDoEvents();
    }
    // 0x00BBGGRR at (x, y) of the control (it may lie outside it).
    OLE_COLOR pixel(LONG x, LONG y) { return form.pixel(kAt + x, kAt + y).value; }
    // The saved form file's text.
    std::string saved(const std::filesystem::path& path) {
        EXPECT_TRUE(form.save(path.string()));
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // The composed form, read back from its PNG.
    platform::Image render(const std::string& name) { return rendered(form, name); }

    Form form;
    Control control;
    std::vector<std::u16string> names;
    DWORD cookie = 0;

  private:
    ControlForm(Form made, const char16_t* progid, LONG width, LONG height)
        : form(std::move(made)) {
        PaginorSetClock(1);
        control = progid ? form.add(progid, u"c1", 120, 120, width, height).value
                         : form.control(u"c1").value;
        EXPECT_TRUE(control);
        EXPECT_EQ(PaginorAdvise(control.object(), &record, &names, &cookie), S_OK);
    }
    static void record(void* context, DISPID, const OLECHAR* name, DISPPARAMS*) {
        static_cast<std::vector<std::u16string>*>(context)->push_back(name);
    }
};

// The part of an image at (x, y), w x h, pixels outside it black.
inline platform::Image crop(const platform::Image& from, int x, int y, int w, int h) {
    platform::Image out;
    out.width = w, out.height = h, out.format = platform::ImageFormat::Png;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const bool in = x + i >= 0 && x + i < from.width && y + j >= 0 && y + j < from.height;
            out.pixels.push_back(in ? from.pixels[size_t(y + j) * from.width + size_t(x + i)]
                                    : 0xFF000000u);
        }
    return out;
}

// Each key is found in text after the one before it, the first after from.
inline void expect_in_order(const std::string& text, const std::string& from,
                            std::initializer_list<const char*> keys) {
    size_t last = text.find(from);
    ASSERT_NE(last, std::string::npos) << from;
    for (const char* key : keys) {
        last = text.find(key, last);
        ASSERT_NE(last, std::string::npos) << key << " in order";
    }
}

} // namespace paginor::test
