// The host side of the registry: from a ProgID to a class identifier, a library file, its
// class factory and a new object.
#include <paginor/host.h>

#include "automation/ref.h"
#include "library/classes.h"
#include "library/registry_self.h"
#include "registry/registry_file.h"
#include "registry/registry_server.h"

#include "platform/core/unicode.h"

#include <dlfcn.h>

namespace paginor::library {

using registry::find_server;
using registry::load_registry;
using registry::Registry;
using registry::registry_path;
using registry::RegistryResult;
using registry::ServerLookup;

namespace {

constexpr std::u16string_view kSource = u"PaginorV2CTL.CreateObject";

using GetClassObjectFn = HRESULT (*)(REFCLSID, REFIID, void**);

struct Found {
    HRESULT hr = S_OK;
    ServerLookup lookup;
};

// Looks progid up in the registry; on failure the error info is already recorded.
Found look_up(const OLECHAR* progid) {
    std::string path = registry_path();
    Registry registry;
    if (RegistryResult r = load_registry(path, registry); !r) {
        return {report_error(REGDB_E_READREGDB, kSource,
                             u"Cannot read the registry " + from_utf8(r.message())),
                {}};
    }
    std::string name = to_utf8(progid);
    Found out{S_OK, find_server(registry, name)};
    if (!out.lookup.found) {
        out.hr = report_error(REGDB_E_CLASSNOTREG, kSource,
                              u"Class not registered: " + from_utf8(out.lookup.problem) + u" in " +
                                  from_utf8(path));
    }
    return out;
}

// The class factory of a library file the registry names: loaded (and kept loaded), then
// asked for the class.
HRESULT load_factory(const ServerLookup& lookup, const OLECHAR* progid, void** factory) {
    void* library = ::dlopen(lookup.server.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* why = ::dlerror();
        return report_error(CO_E_DLLNOTFOUND, kSource,
                            u"Cannot load " + from_utf8(lookup.server) + u" for " +
                                std::u16string(progid) + u": " + from_utf8(why ? why : ""));
    }
    auto get = reinterpret_cast<GetClassObjectFn>(::dlsym(library, "DllGetClassObject"));
    if (!get) {
        return report_error(CO_E_ERRORINDLL, kSource,
                            from_utf8(lookup.server) + u" has no DllGetClassObject");
    }
    return get(lookup.clsid, IID_IClassFactory, factory);
}

HRESULT create(const ServerLookup& lookup, const OLECHAR* progid, REFIID riid, void** ppv) {
    Ref<IClassFactory> factory;
    // A class of this library is made by the copy already running, whatever file the
    // registry names: a second copy in the process would keep its own objects, counts and
    // error info, and answer DllCanUnloadNow for itself alone.
    const HRESULT hr = type_library().find_class(lookup.clsid)
                           ? DllGetClassObject(lookup.clsid, IID_IClassFactory, factory.put_void())
                           : load_factory(lookup, progid, factory.put_void());
    if (FAILED(hr) || !factory)
        return FAILED(hr) ? hr : E_UNEXPECTED;
    return factory->CreateInstance(nullptr, riid, ppv);
}

} // namespace

} // namespace paginor::library

using namespace paginor;

HRESULT PaginorCLSIDFromProgID(const OLECHAR* progid, CLSID* clsid) {
    if (!progid || !clsid) {
        return library::report_error(E_POINTER, library::kSource,
                                     u"No ProgID or no result pointer");
    }
    try {
        library::Found found = library::look_up(progid);
        if (SUCCEEDED(found.hr)) {
            *clsid = found.lookup.clsid;
        }
        return found.hr;
    } catch (const std::exception& e) {
        return library::report_error(E_OUTOFMEMORY, library::kSource, from_utf8(e.what()));
    }
}

HRESULT PaginorCreateObject(const OLECHAR* progid, REFIID riid, void** ppv) {
    if (!ppv || !progid) {
        return library::report_error(E_POINTER, library::kSource,
                                     u"No ProgID or no result pointer");
    }
    *ppv = nullptr;
    try {
        library::Found found = library::look_up(progid);
        if (FAILED(found.hr)) {
            return found.hr;
        }
        return library::create(found.lookup, progid, riid, ppv);
    } catch (const std::exception& e) {
        return library::report_error(E_OUTOFMEMORY, library::kSource, from_utf8(e.what()));
    }
}
