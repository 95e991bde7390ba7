// DllRegisterServer and DllUnregisterServer: the library records itself, by the path of
// the file it was loaded from, in the file registry, and removes itself again.
#include "library/registry_self.h"
#include "registry/registry_file.h"
#include "registry/registry_server.h"

#include "platform/core/error.h"
#include "platform/core/unicode.h"

#include <dlfcn.h>
#include <filesystem>
#include <link.h>

namespace paginor::library {

using registry::add_server;
using registry::load_registry;
using registry::our_server;
using registry::Registry;
using registry::registry_path;
using registry::RegistryLock;
using registry::RegistryResult;
using registry::remove_server;
using registry::save_registry;

namespace {

constexpr std::u16string_view kRegisterSource = u"PaginorV2CTL.DllRegisterServer";
constexpr std::u16string_view kUnregisterSource = u"PaginorV2CTL.DllUnregisterServer";

[[noreturn]] void registration_failed(std::u16string_view source, const std::string& why) {
    throw RuntimeError(SELFREG_E_CLASS, SELFREG_E_CLASS, std::u16string(source), from_utf8(why));
}

void lock_or_throw(std::u16string_view source, const RegistryLock& lock) {
    if (!lock.result()) {
        registration_failed(source, "Cannot lock the registry " + lock.result().message() +
                                        " (the file was left unchanged)");
    }
}

Registry load_or_throw(std::u16string_view source, const std::string& path) {
    Registry registry;
    if (RegistryResult r = load_registry(path, registry); !r) {
        registration_failed(source, "Cannot read the registry " + r.message() +
                                        " (the file was left unchanged)");
    }
    return registry;
}

void save_or_throw(std::u16string_view source, const std::string& path, const Registry& r) {
    if (RegistryResult w = save_registry(path, r); !w) {
        registration_failed(source, "Cannot write the registry " + w.message());
    }
}

template <class Body> HRESULT boundary(std::u16string_view source, Body&& body) {
    try {
        body();
        return S_OK;
    } catch (const RuntimeError& e) {
        return report_error(SELFREG_E_CLASS, e.source(), e.description());
    } catch (const std::exception& e) {
        return report_error(SELFREG_E_CLASS, source, from_utf8(e.what()));
    }
}

} // namespace

std::string own_library_path() {
    Dl_info info{};
    link_map* map = nullptr;
    if (::dladdr1(reinterpret_cast<void*>(&own_library_path), &info, reinterpret_cast<void**>(&map),
                  RTLD_DL_LINKMAP) == 0 ||
        !map || !map->l_name || map->l_name[0] == '\0' || !info.dli_fname) {
        return {};
    }
    // Absolute, but through the name it was loaded by: a link such as libX.so keeps
    // pointing at whichever version it names later.
    std::error_code ec;
    std::filesystem::path path = std::filesystem::absolute(info.dli_fname, ec);
    return ec ? std::string() : path.lexically_normal().string();
}

void register_library(const std::string& library_path) {
    std::string path = registry_path();
    const RegistryLock lock(path);
    lock_or_throw(kRegisterSource, lock);
    Registry registry = load_or_throw(kRegisterSource, path);
    add_server(registry, our_server(), library_path);
    save_or_throw(kRegisterSource, path, registry);
}

void unregister_library() {
    std::string path = registry_path();
    const RegistryLock lock(path);
    lock_or_throw(kUnregisterSource, lock);
    Registry registry = load_or_throw(kUnregisterSource, path);
    if (remove_server(registry, our_server()) > 0) {
        save_or_throw(kUnregisterSource, path, registry);
    }
}

} // namespace paginor::library

using namespace paginor;

HRESULT DllRegisterServer(void) {
    return library::boundary(library::kRegisterSource, [] {
        std::string file = library::own_library_path();
        if (file.empty()) {
            library::registration_failed(library::kRegisterSource,
                                         "The library is linked into this program, not loaded "
                                         "from a library file, so there is no file to register");
        }
        library::register_library(file);
    });
}

HRESULT DllUnregisterServer(void) {
    return library::boundary(library::kUnregisterSource, [] { library::unregister_library(); });
}
