// formdemo PICTURE_DIR OUT.png [TIP.png] [--controls CONTROLS.png]
//
// Places three O2007Hover buttons on a form through the public host API, as any host
// does: created by ProgID, given the normal, hover and inactive pictures found in
// PICTURE_DIR (o2007hover_pic_normal.png, _hover.png, _inactive.png). The pointer is
// moved onto the second button and the third is disabled; the form is rendered to
// OUT.png, whose path is printed. With TIP.png the pointer then rests on the second
// button while the clock runs two seconds, long enough for its tool-tip, and the form is
// rendered again there. With --controls a second form holds every button of the library in
// each look it has at rest (O2007Hover normal, disabled and not active; HoverButton with
// each IconLocation; GradientButton as command button, check box, panel and in each font
// effect) and an O2007Check in each value; it is rendered to CONTROLS.png, then
// to CONTROLS-hover.png with the pointer on a HoverButton and CONTROLS-pressed.png with a
// mouse button held there (one pointer shows one hover look at a time). Exit code 1 with a
// message when a picture or an output cannot be used, 2 for a wrong command line.
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

using Pictures = paginor::Result<paginor::Ref<IDispatch>>[3];

bool load_pictures(const std::string& dir, Pictures& pictures) {
    const char* names[3] = {"normal", "hover", "inactive"};
    for (int i = 0; i < 3; ++i)
        if (!ok(pictures[i] =
                    paginor::LoadPicture(wide(dir + "/o2007hover_pic_" + names[i] + ".png")),
                names[i]))
            return false;
    return true;
}

// CONTROLS.png -> CONTROLS-suffix.png
std::string beside(const std::string& out, const std::string& suffix) {
    const size_t dot = out.rfind('.');
    return dot == std::string::npos ? out + suffix : out.substr(0, dot) + suffix + out.substr(dot);
}

// Adds a control; false (with a message) when it cannot be made.
bool add(const paginor::Form& form, const char16_t* progid, const char16_t* name, LONG left,
         LONG top, LONG width, LONG height, paginor::Control& out) {
    auto made = form.add(progid, name, left, top, width, height);
    if (!ok(made, "control"))
        return false;
    out = made.value;
    return true;
}

int run_controls(const Pictures& pictures, const std::string& out) {
    auto form = paginor::Form::create(u"Controls", 6000, 2400);
    if (!ok(form, "form"))
        return 1;
    const paginor::Form& f = form.value;
    paginor::Control c;
    const char16_t* hovers[3] = {u"hNormal", u"hDisabled", u"hNotActive"};
    for (int i = 0; i < 3; ++i) {
        if (!add(f, u"PaginorV2CTL.O2007Hover", hovers[i], 120 + i * 480, 120, 240, 240, c))
            return 1;
        c.put(u"NormalImage", pictures[0].value.get());
        c.put(u"HoverImage", pictures[1].value.get());
        c.put(u"InactiveImage", pictures[2].value.get());
    }
    f.control(u"hDisabled").value.put(u"Enabled", false);
    f.control(u"hNotActive").value.call(u"SetButtonActive", false);
    const char16_t* locations[5] = {u"None", u"Left", u"Top", u"Right", u"Bottom"};
    for (LONG i = 0; i < 5; ++i) {
        const std::u16string name = std::u16string(u"hb") + locations[i];
        if (!add(f, u"PaginorV2CTL.HoverButton", name.c_str(), 120 + i * 1140, 600, 1080, 600, c))
            return 1;
        c.put(u"PromptPicture", pictures[0].value.get());
        c.put(u"IconLocation", i);
        c.put(u"Caption", locations[i]);
    }
    const char16_t* values[3] = {u"Unchecked", u"Checked", u"Greyed"};
    for (LONG i = 0; i < 3; ++i) {
        const std::u16string name = std::u16string(u"chk") + values[i];
        if (!add(f, u"PaginorV2CTL.O2007Check", name.c_str(), 120 + i * 1500, 1380, 1380, 255, c))
            return 1;
        c.put(u"Caption", values[i]);
        c.put(u"Value", i);
    }
    // GradientButtons: a command button with its picture, a check box set, a panel, and the
    // three font effects.
    const struct {
        const char16_t* name;
        LONG mode, effect;
        bool value, picture;
    } gradients[] = {{u"Find", 0, 0, false, true},    {u"Checked", 1, 0, true, false},
                     {u"Panel", 2, 0, false, false},  {u"Outline", 0, 1, false, false},
                     {u"Shadow", 0, 2, false, false}, {u"Emboss", 0, 3, false, false}};
    for (LONG i = 0; i < 6; ++i) {
        const std::u16string name = std::u16string(u"gb") + gradients[i].name;
        if (!add(f, u"PaginorV2CTL.GradientButton", name.c_str(), 120 + i * 960, 1800, 900, 450, c))
            return 1;
        c.put(u"Caption", gradients[i].name);
        c.put(u"Mode", gradients[i].mode);
        c.put(u"FontEffect", gradients[i].effect);
        c.put(u"Value", gradients[i].value);
        if (gradients[i].picture)
            c.put(u"Picture", pictures[1].value.get());
    }
    PaginorDoEvents();
    if (!render(f, out))
        return 1;
    f.mouse(8 + 76 + 40, 40 + 20); // onto hbLeft
    PaginorDoEvents();
    if (!render(f, beside(out, "-hover")))
        return 1;
    f.button(1, true);
    PaginorDoEvents();
    const bool pressed = render(f, beside(out, "-pressed"));
    f.button(1, false);
    PaginorDoEvents();
    return pressed ? 0 : 1;
}

int run(const std::string& dir, const std::string& out, const std::string& tip_out,
        const std::string& controls_out) {
    Pictures pictures;
    if (!load_pictures(dir, pictures))
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
    return controls_out.empty() ? 0 : run_controls(pictures, controls_out);
}

} // namespace

int main(int argc, char** argv) {
    std::string controls;
    if (argc >= 5 && std::string(argv[argc - 2]) == "--controls") {
        controls = argv[argc - 1];
        argc -= 2;
    }
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr,
                     "usage: formdemo PICTURE_DIR OUT.png [TIP.png] [--controls CONTROLS.png]\n");
        return 2;
    }
    return run(argv[1], argv[2], argc == 4 ? argv[3] : "", controls);
}
