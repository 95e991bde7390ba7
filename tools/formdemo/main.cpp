// formdemo PICTURE_DIR OUT.png [TIP.png]
//
// Places three O2007Hover buttons on a form through the public host API, as any host
// does: created by ProgID, given the normal, hover and inactive pictures found in
// PICTURE_DIR (o2007hover_pic_normal.png, _hover.png, _inactive.png). The pointer is
// moved onto the second button and the third is disabled; the form is rendered to
// OUT.png, whose path is printed. With TIP.png the pointer then rests on the second
// button while the clock runs two seconds, long enough for its tool-tip, and the form is
// rendered again there. Exit code 1 with a message when a picture or an output cannot be
// used, 2 for a wrong command line.
#include <paginor/form.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

std::u16string wide(const std::string& text) {
    std::u16string out;
    for (unsigned char c : text)
        out += char16_t(c); // file names of the demo are ASCII or Latin-1
    return out;
}

// True when r succeeded; otherwise prints what failed and why.
template <class R> bool ok(const R& r, const std::string& what) {
    if (!r)
        std::fprintf(stderr, "formdemo: %s: %s\n", what.c_str(),
                     std::string(r.error.description.begin(), r.error.description.end()).c_str());
    return static_cast<bool>(r);
}

bool render(const paginor::Form& form, const std::string& out) {
    const std::filesystem::path parent = std::filesystem::path(out).parent_path();
    std::error_code ignored;
    if (!parent.empty())
        std::filesystem::create_directories(parent, ignored);
    if (!ok(form.render(out), out))
        return false;
    std::printf("%s\n", std::filesystem::absolute(out).c_str());
    return true;
}

int run(const std::string& dir, const std::string& out, const std::string& tip_out) {
    paginor::Result<paginor::Ref<IDispatch>> pictures[3];
    const char* names[3] = {"normal", "hover", "inactive"};
    for (int i = 0; i < 3; ++i)
        if (!ok(pictures[i] =
                    paginor::LoadPicture(wide(dir + "/o2007hover_pic_" + names[i] + ".png")),
                names[i]))
            return 1;
    PaginorSetClock(TRUE);
    auto form = paginor::Form::create(u"Demo", 1440, 900); // room below for the tip
    if (!ok(form, "form"))
        return 1;
    const char16_t* buttons[3] = {u"hRest", u"hHover", u"hInactive"};
    for (int i = 0; i < 3; ++i) {
        const auto button =
            form.value.add(u"PaginorV2CTL.O2007Hover", buttons[i], 240 + i * 360, 180, 240, 240);
        if (!ok(button, "O2007Hover"))
            return 1;
        button.value.put(u"NormalImage", pictures[0].value.get());
        button.value.put(u"HoverImage", pictures[1].value.get());
        button.value.put(u"InactiveImage", pictures[2].value.get());
    }
    form.value.control(u"hInactive").value.put(u"Enabled", false);
    form.value.control(u"hHover").value.put(u"HoverText", u"Prompt");
    form.value.mouse(16 + 24 + 4, 12 + 4); // onto hHover's picture
    PaginorDoEvents();
    if (!render(form.value, out))
        return 1;
    if (!tip_out.empty()) {
        PaginorAdvanceClock(2000);
        if (!render(form.value, tip_out))
            return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: formdemo PICTURE_DIR OUT.png [TIP.png]\n");
        return 2;
    }
    return run(argv[1], argv[2], argc == 4 ? argv[3] : "");
}
