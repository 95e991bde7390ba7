// What one in-process server writes into the registry, and what a host reads back.
//
// Registering a server writes these sections (identifiers as "{8-4-4-4-12}" upper-case
// hexadecimal GUIDs):
//
//   [class {CLSID}]          name, progid, server (absolute path of the library file),
//                            threading, typelib, version, kind (control | creatable),
//                            default-interface, event-interface (both IIDs)
//   [progid <ProgID>]        clsid
//   [typelib {LIBID}]        name, version ("1.4"), lcid ("0x0409"), path (the library)
//   [interface {IID}]        name, kind (dual | events), typelib; an earlier identifier
//                            that answers as the current interface also has alias-of
//
// Registering replaces those sections wholesale and touches no other; unregistering
// removes exactly the sections of the server's own identifiers and ProgIDs.
#pragma once

#include "registry/registry.h"

#include <paginor/base.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace paginor::registry {

struct ServerInterface {
    std::string name;
    GUID iid = {};
    std::vector<ServerInterface> aliases = {}; // earlier identifiers (alias names)
};

struct ServerClass {
    std::string name;
    std::string progid;
    CLSID clsid = {};
    bool control = true; // false: a creatable class
    ServerInterface default_interface;
    ServerInterface event_interface;
};

struct ServerDescription {
    std::string library; // the type library's name
    GUID libid = {};
    uint16_t major_version = 0;
    uint16_t minor_version = 0;
    LCID lcid = 0;
    std::string threading = "Apartment";
    std::vector<ServerClass> classes;
};

// This library's classes and type library, read from the type-library table.
const ServerDescription& our_server();

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper case.
std::string registry_guid(const GUID& id);
// Reads that form (either case, braces required); false and id unchanged when malformed.
bool parse_registry_guid(std::string_view text, GUID& id);

// Adds or replaces the server's sections, naming library_path as the file that serves
// them. Throws RuntimeError (5) when library_path is not absolute or cannot stand on one
// line; the registry is then unchanged.
void add_server(Registry& registry, const ServerDescription& server,
                const std::string& library_path);
// Removes the server's sections; returns how many there were.
std::size_t remove_server(Registry& registry, const ServerDescription& server);

// One class as the registry records it, with its interfaces' names looked up.
struct RegisteredClass {
    std::string name;
    std::string progid;
    std::string clsid;
    std::string kind;
    std::string threading;
    std::string server;
    std::string default_interface; // name
    std::string default_iid;
    std::string event_interface; // name
    std::string event_iid;
    // Earlier identifiers answering as the default or event interface: name, IID.
    std::vector<std::pair<std::string, std::string>> aliases = {};
};

// Every class whose typelib is libid, in file order. Missing entries read as empty.
std::vector<RegisteredClass> registered_classes(const Registry& registry, const GUID& libid);

// Where a ProgID leads: its class identifier and the library file serving it.
struct ServerLookup {
    bool found = false;
    CLSID clsid = {};
    std::string server;
    std::string problem; // why it was not found, naming the ProgID; empty when found
};

// Follows [progid] to [class] to its server entry. Not found (with the reason) when the
// ProgID is absent, its clsid entry is malformed, the class section is missing, or it
// names no server.
ServerLookup find_server(const Registry& registry, std::string_view progid);

} // namespace paginor::registry
