// paginorctl COMMAND [ARGS]: the command table, the usage text and the dispatch.
#include "paginorctl.h"

#include "library/resources.h"
#include "registry/registry_file.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace paginorctl {

namespace {

struct Command {
    std::string_view name;
    std::string_view arguments;
    std::size_t min_args;
    std::size_t max_args;
    int (*run)(Args);
    std::string_view summary;
};

constexpr std::array kCommands{
    Command{"register", "[LIB]", 0, 1, register_command,
            "register LIB's classes, ProgIDs and type library (calls its DllRegisterServer)"},
    Command{"unregister", "[LIB]", 0, 1, unregister_command,
            "remove exactly LIB's entries from the registry (calls its DllUnregisterServer)"},
    Command{"list", "", 0, 0, list_command,
            "the registered classes of PaginorV2CTL: ProgID, CLSID, kind, interfaces"},
    Command{"idl", "", 0, 0, idl_command, "the type library as IDL, on standard output"},
    Command{"info", "[LIB]", 0, 1, info_command,
            "LIB's version record, read from the file without loading it"},
    Command{"bitmap", "ID FILE", 2, 2, bitmap_command,
            "write toolbox bitmap ID (30000 to 30006) to FILE as a BMP file"},
    Command{"members", "", 0, 0, members_command,
            "which classes and members work today, as Markdown"},
};

// "30000 DDOC, 30001 HoverButton, ...", read from the bitmaps themselves and wrapped to
// the width of the usage text under its ID heading.
std::string bitmap_ids() {
    std::string out, line;
    std::size_t width = 80 - 27; // after "  ID     a toolbox bitmap: ", then after the indent
    for (const auto& b : paginor::library::toolbox_bitmaps()) {
        std::string item = std::to_string(b.id) + " " + std::string(b.control) + ",";
        if (!line.empty() && line.size() + 1 + item.size() > width) {
            width = 80 - 9;
            out += line + "\n         ";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + item;
    }
    line.pop_back(); // the last comma
    return out + line;
}

void usage(std::FILE* to) {
    std::fprintf(to, "usage: paginorctl COMMAND [ARGS]\n"
                     "Registers the PaginorV2CTL library and shows what a host sees of it.\n\n"
                     "Commands:\n");
    for (const auto& c : kCommands) {
        std::string head = std::string(c.name) + " " + std::string(c.arguments);
        std::fprintf(to, "  %-20s %.*s\n", head.c_str(), int(c.summary.size()), c.summary.data());
    }
    std::fprintf(to, "  %-20s %s\n", "help, --help, -h", "this text, on standard output");
    std::string registry = paginor::registry::registry_path();
    std::fprintf(to,
                 "\nArguments:\n"
                 "  LIB    the library file; defaults to %s\n"
                 "  ID     a toolbox bitmap: %s\n"
                 "  FILE   the BMP file to write, replaced if it exists\n"
                 "\nRegistry:\n"
                 "  $PAGINOR_REGISTRY, else $XDG_DATA_HOME/paginor/registry,\n"
                 "  else ~/.local/share/paginor/registry; now: %s\n"
                 "\nExit status:\n"
                 "  0  done\n"
                 "  1  the operation failed: the library cannot be loaded or its entry point\n"
                 "     failed, the registry cannot be read, a file cannot be read or written;\n"
                 "     the message on standard error names the file\n"
                 "  2  wrong usage: no or an unknown command, a wrong number of arguments,\n"
                 "     an unknown bitmap ID\n",
                 default_library().c_str(), bitmap_ids().c_str(),
                 registry.empty() ? "(none)" : registry.c_str());
}

} // namespace

// Installed, the library sits at a fixed place relative to this program, wherever the
// tree was moved; otherwise this is the build tree's paginorctl and its library is the
// one built beside it.
std::string default_library() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        auto installed = (self.parent_path() / PAGINOR_INSTALLED_LIBRARY).lexically_normal();
        if (std::filesystem::exists(installed, ec)) {
            return installed.string();
        }
    }
    return PAGINOR_DEFAULT_LIBRARY;
}

int fail(const std::string& message) {
    std::fprintf(stderr, "paginorctl: %s\n", message.c_str());
    return exit_failed;
}

} // namespace paginorctl

int main(int argc, char** argv) {
    using namespace paginorctl;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        usage(stderr);
        return exit_usage;
    }
    if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        usage(stdout);
        return exit_ok;
    }
    for (const auto& c : kCommands) {
        if (args[0] != c.name) {
            continue;
        }
        Args rest = Args(args).subspan(1);
        if (rest.size() < c.min_args || rest.size() > c.max_args) {
            std::string expected =
                std::string(c.name) + (c.arguments.empty() ? "" : " " + std::string(c.arguments));
            std::fprintf(stderr, "paginorctl: usage: paginorctl %s\n", expected.c_str());
            return exit_usage;
        }
        try {
            return c.run(rest);
        } catch (const std::exception& e) {
            return fail(e.what());
        }
    }
    std::fprintf(stderr, "paginorctl: unknown command \"%s\"\n\n", args[0].c_str());
    usage(stderr);
    return exit_usage;
}
