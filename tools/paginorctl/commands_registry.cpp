// register, unregister, list: the library's own entry points write the registry, and list
// reads it back as a host would see it.
#include "paginorctl.h"

#include "registry/registry_file.h"
#include "registry/registry_server.h"

#include "platform/core/unicode.h"

#include <paginor/automation.h>

#include <cstdio>
#include <dlfcn.h>

namespace paginorctl {

namespace {

using paginor::registry::Registry;

// The description of the error the library last recorded on this thread, read through
// its own GetErrorInfo (the library keeps its error objects to itself).
std::string library_error(void* library) {
    auto get = reinterpret_cast<HRESULT (*)(ULONG, IErrorInfo**)>(::dlsym(library, "GetErrorInfo"));
    auto free_string = reinterpret_cast<void (*)(BSTR)>(::dlsym(library, "SysFreeString"));
    IErrorInfo* info = nullptr;
    if (!get || !free_string || get(0, &info) != S_OK || !info) {
        return "no error description";
    }
    BSTR text = nullptr;
    std::string out = "no error description";
    if (SUCCEEDED(info->GetDescription(&text)) && text) {
        uint32_t bytes = reinterpret_cast<const uint32_t*>(text)[-1];
        out = paginor::to_utf8(std::u16string_view(text, bytes / sizeof(OLECHAR)));
        free_string(text);
    }
    info->Release();
    return out;
}

std::string hex(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(hr));
    return text;
}

// Loads lib and calls its entry point; exit_ok when it answered S_OK.
int call_entry(Args args, const char* entry) {
    std::string lib = args.empty() ? default_library() : args[0];
    void* library = ::dlopen(lib.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* why = ::dlerror();
        return fail("cannot load " + lib + ": " + (why ? why : "unknown reason"));
    }
    auto run = reinterpret_cast<HRESULT (*)()>(::dlsym(library, entry));
    if (!run) {
        return fail(lib + " has no " + entry + ": it is not a self-registering library");
    }
    if (HRESULT hr = run(); hr != S_OK) {
        return fail(lib + ": " + entry + " failed (" + hex(hr) + "): " + library_error(library));
    }
    return exit_ok;
}

int load(Registry& registry, const std::string& path) {
    if (auto r = paginor::registry::load_registry(path, registry); !r) {
        return fail("cannot read the registry " + r.message());
    }
    return exit_ok;
}

void print_field(const char* label, const std::string& name, const std::string& id) {
    std::string text = name.empty() || id.empty() ? name + id : name + " " + id;
    std::printf("    %-18s %s\n", label, text.c_str());
}

} // namespace

int register_command(Args args) {
    if (int rc = call_entry(args, "DllRegisterServer"); rc != exit_ok) {
        return rc;
    }
    std::string path = paginor::registry::registry_path();
    Registry registry;
    if (int rc = load(registry, path); rc != exit_ok) {
        return rc;
    }
    auto classes = registered_classes(registry, paginor::registry::our_server().libid);
    std::printf("registered %zu classes of %s into %s\n", classes.size(),
                (args.empty() ? default_library() : args[0]).c_str(), path.c_str());
    return exit_ok;
}

int unregister_command(Args args) {
    if (int rc = call_entry(args, "DllUnregisterServer"); rc != exit_ok) {
        return rc;
    }
    std::printf("removed the classes of %s from %s\n",
                (args.empty() ? default_library() : args[0]).c_str(),
                paginor::registry::registry_path().c_str());
    return exit_ok;
}

int list_command(Args) {
    std::string path = paginor::registry::registry_path();
    Registry registry;
    if (int rc = load(registry, path); rc != exit_ok) {
        return rc;
    }
    const auto& ours = paginor::registry::our_server();
    std::string libid = paginor::registry::registry_guid(ours.libid);
    std::printf("registry %s\n", path.c_str());
    if (const auto* lib = registry.find("typelib", libid)) {
        std::printf("type library %s %s %s, locale %s, in %s\n", lib->value("name").c_str(),
                    lib->value("version").c_str(), libid.c_str(), lib->value("lcid").c_str(),
                    lib->value("path").c_str());
    }
    auto classes = registered_classes(registry, ours.libid);
    if (classes.empty()) {
        std::printf("no class of %s is registered\n", ours.library.c_str());
        return exit_ok;
    }
    for (const auto& c : classes) {
        std::printf("\n%s (%s)\n", c.name.c_str(), c.kind.c_str());
        print_field("ProgID", c.progid, "");
        print_field("CLSID", "", c.clsid);
        print_field("default interface", c.default_interface, c.default_iid);
        print_field("event interface", c.event_interface, c.event_iid);
        for (const auto& [name, iid] : c.aliases) {
            print_field("earlier interface", name, iid);
        }
        print_field("threading model", c.threading, "");
        print_field("server", c.server, "");
    }
    std::printf("\n%zu classes\n", classes.size());
    return exit_ok;
}

} // namespace paginorctl
