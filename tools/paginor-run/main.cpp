// paginor-run FORM [--script FILE.lua] [--png OUT.png] [--size WxH] [--manual-clock]
//
// Loads the form file and runs the script; then shows the form in an X11 window while
// DISPLAY is set, or (with --png, or without a display) runs the script's start-up and
// pending events and writes the form headless as a PNG. Exit 0 on a normal close, 1 when
// the form file, the script or the display fails (the message names the file and line),
// 2 for a wrong command line.
#include "host/api.h"
#include "host/presenters/x11_presenter.h"
#include "host/script/script_host.h"
#include "platform/core/unicode.h"
#include "platform/window/window.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace {

using namespace paginor;
namespace script = paginor::host::script;

constexpr const char* kUsage =
    "usage: paginor-run FORM [--script FILE.lua] [--png OUT.png] [--size WxH] [--manual-clock]\n";

struct Options {
    std::string form;
    std::string script;
    std::string png;
    int width = 0;
    int height = 0;
    bool manual_clock = false;
};

bool parse_size(const std::string& text, int& width, int& height) {
    char x = 0;
    char rest = 0;
    return std::sscanf(text.c_str(), "%d%c%d%c", &width, &x, &height, &rest) == 3 &&
           (x == 'x' || x == 'X') && width > 0 && height > 0 && width <= 32767 && height <= 32767;
}

std::optional<Options> parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool has_value = i + 1 < argc;
        if (arg == "--manual-clock")
            o.manual_clock = true;
        else if (arg == "--script" && has_value)
            o.script = argv[++i];
        else if (arg == "--png" && has_value)
            o.png = argv[++i];
        else if (arg == "--size" && has_value) {
            if (!parse_size(argv[++i], o.width, o.height))
                return std::nullopt;
        } else if (!arg.empty() && arg[0] != '-' && o.form.empty())
            o.form = arg;
        else
            return std::nullopt;
    }
    if (o.form.empty())
        return std::nullopt;
    return o;
}

std::string last_error(HRESULT hr) {
    return paginor::to_utf8(Error::last(hr).description);
}

// Print on stdout; MsgBox in a window of its own when live, else on stderr; errors of
// handlers on stderr.
script::Output console(host::presenters::X11Display* x11, const std::string& title) {
    auto message = [x11, title](const std::string& text) {
        if (x11)
            x11->message_box(title, text);
        else
            std::cerr << "MsgBox: " << text << std::endl;
    };
    return {[](const std::string& line) { std::cout << line << std::endl; }, message,
            [](const std::string& text) { std::cerr << text << std::endl; }};
}

// The form's windows sized to width x height pixels.
void resize(PaginorForm* form, int width, int height) {
    platform::SetWindowPos(host::api::form_of(form).hwnd(), 0, 0, 0, width, height,
                           platform::SWP_NOMOVE | platform::SWP_NOZORDER);
}

int run(const Options& o, PaginorForm* form) {
    if (o.width > 0)
        resize(form, o.width, o.height);
    // Live when a display is named and no PNG asked for; the display opens before the
    // script runs, so a MsgBox of its start-up shows too.
    const char* display = std::getenv("DISPLAY");
    std::unique_ptr<host::presenters::X11Display> x11;
    if (o.png.empty() && display && *display) {
        std::string failure;
        x11 = host::presenters::X11Display::open(failure);
        if (!x11) {
            std::cerr << "paginor-run: " << failure << "\n";
            return 1;
        }
    }
    const std::string title = std::filesystem::path(o.form).stem().string();
    script::ScriptHost host(form, console(x11.get(), title));
    if (!o.script.empty() && !host.run(o.script)) {
        std::cerr << "paginor-run: " << host.failure() << "\n";
        return 1;
    }
    host.start();
    PaginorDoEvents();
    if (x11) {
        x11->show(form, o.manual_clock);
        return 0;
    }
    const std::string png = o.png.empty() ? o.form + ".png" : o.png;
    const HRESULT hr = PaginorFormRender(form, png.c_str());
    if (FAILED(hr)) {
        std::cerr << "paginor-run: " << png << ": " << last_error(hr) << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = parse(argc, argv);
    if (!options) {
        std::cerr << kUsage;
        return 2;
    }
    if (options->manual_clock)
        PaginorSetClock(platform::TRUE);
    PaginorForm* form = nullptr;
    const HRESULT hr = PaginorFormLoad(options->form.c_str(), platform::TRUE, &form);
    if (FAILED(hr)) {
        // A malformed file's description names the file and line itself.
        const std::string why = last_error(hr);
        const bool named = why.rfind(options->form, 0) == 0;
        std::cerr << "paginor-run: " << (named ? "" : options->form + ": ") << why << "\n";
        return 1;
    }
    const int status = run(*options, form);
    PaginorFormClose(form);
    return status;
}
