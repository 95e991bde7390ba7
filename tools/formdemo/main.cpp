// formdemo PICTURE_DIR OUT.png [TIP.png]
//
// Places three O2007Hover buttons on a form, as a host does: created by ProgID through
// the class factory, given the normal, hover and inactive pictures found in PICTURE_DIR
// (o2007hover_pic_normal.png, _hover.png, _inactive.png). The pointer is moved onto the
// second button and the third is disabled; the form is rendered to OUT.png, whose path
// is printed. With TIP.png the pointer then rests on the second button until its tool-tip
// shows (at most two seconds), and the form is rendered again there. Exit code 1 with a
// message when a picture or an output cannot be used.
#include "automation/variant.h"
#include "buttons/O2007Hover.h"
#include "controls/ToolTip.h"
#include "frame/std_picture.h"
#include "host/form.h"
#include "platform/core/error.h"
#include "platform/core/unicode.h"
#include "platform/window/input.h"
#include "platform/window/message.h"

#include <cstdio>
#include <filesystem>
#include <string>

using namespace paginor;

namespace {

void render(host::Form& form, const std::string& out) {
    const std::filesystem::path parent = std::filesystem::path(out).parent_path();
    if (!parent.empty())
        std::filesystem::create_directories(parent);
    form.render_png(out);
    std::printf("%s\n", std::filesystem::absolute(out).c_str());
}

int run(const std::string& dir, const std::string& out, const std::string& tip_out) {
    IDispatch* pictures[3] = {};
    const char* names[3] = {"normal", "hover", "inactive"};
    for (int i = 0; i < 3; ++i)
        pictures[i] = frame::LoadPicture(from_utf8(dir + "/o2007hover_pic_" + names[i] + ".png"));
    {
        host::Form form(u"Demo", 1440, 900, 0x00FFFFFF); // room below for the tip
        const char16_t* buttons[3] = {u"hRest", u"hHover", u"hInactive"};
        for (int i = 0; i < 3; ++i) {
            auto* b = static_cast<_O2007Hover*>(
                form.add(u"PaginorV2CTL.O2007Hover", buttons[i], 240 + i * 360, 180, 240, 240));
            b->putref_NormalImage(pictures[0]);
            b->putref_HoverImage(pictures[1]);
            b->putref_InactiveImage(pictures[2]);
        }
        static_cast<_O2007Hover*>(form.control(u"hInactive"))->put_Enabled(VARIANT_FALSE);
        frame::Bstr tip_text(u"Prompt");
        static_cast<_O2007Hover*>(form.control(u"hHover"))->put_HoverText(tip_text.get());
        platform::SetActiveWindow(form.hwnd());
        platform::Input::moveTo(16 + 24 + 4, 12 + 4); // onto hHover's picture
        platform::DoEvents();
        render(form, out);
        if (!tip_out.empty()) {
            auto* hover =
                static_cast<O2007Hover*>(frame::UserControl::from(form.control(u"hHover")));
            platform::PumpUntil(
                [hover] { return hover->tool_tip() && hover->tool_tip()->window() != 0; }, 2000);
            render(form, tip_out);
        }
    }
    for (IDispatch* p : pictures)
        p->Release();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: formdemo PICTURE_DIR OUT.png [TIP.png]\n");
        return 2;
    }
    try {
        return run(argv[1], argv[2], argc == 4 ? argv[3] : "");
    } catch (const RuntimeError& e) {
        std::fprintf(stderr, "formdemo: %s\n", e.what());
        return 1;
    }
}
