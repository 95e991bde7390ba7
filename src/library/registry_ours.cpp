// This library's registration, read from the type-library table so that the registry can
// never disagree with what the class factory and dispatch serve.
#include "library/classes.h"
#include "registry/registry_server.h"

#include "platform/core/unicode.h"

namespace paginor::library {

using automation::Alias;
using automation::Class;
using automation::ClassKind;
using automation::Interface;
using automation::TypeLibrary;
using registry::ServerDescription;
using registry::ServerInterface;

namespace {

ServerInterface server_interface(const Interface& i) {
    ServerInterface out{to_utf8(i.name), *i.iid};
    for (const Alias& a : i.aliases) {
        out.aliases.push_back({to_utf8(a.name), *a.iid});
    }
    return out;
}

ServerDescription describe() {
    const TypeLibrary& lib = type_library();
    ServerDescription out;
    out.library = to_utf8(lib.name);
    out.libid = *lib.libid;
    out.major_version = lib.major_version;
    out.minor_version = lib.minor_version;
    out.lcid = lib.lcid;
    for (const Class& c : lib.classes) {
        out.classes.push_back({to_utf8(c.name), to_utf8(c.progid()), *c.clsid,
                               c.kind == ClassKind::Control, server_interface(*c.default_interface),
                               server_interface(*c.event_interface)});
    }
    return out;
}

} // namespace

} // namespace paginor::library

// Declared beside the registry's server entries, which cannot see the table it is read from.
namespace paginor::registry {

const ServerDescription& our_server() {
    static const ServerDescription server = library::describe();
    return server;
}

} // namespace paginor::registry
