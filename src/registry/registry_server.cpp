#include "registry/registry_server.h"

#include "platform/core/error.h"
#include "platform/core/unicode.h"

#include <cstdio>

namespace paginor::registry {

namespace {

int hex_digit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::string version_text(const ServerDescription& s) {
    return std::to_string(s.major_version) + "." + std::to_string(s.minor_version);
}

std::string lcid_text(LCID lcid) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(lcid));
    return text;
}

void put_interface(Registry& registry, const ServerInterface& i, const char* kind,
                   const std::string& libid, const std::string* alias_of = nullptr) {
    RegistrySection s{"interface", registry_guid(i.iid), {{"name", i.name}, {"kind", kind}}, {}};
    if (alias_of) {
        s.entries.push_back({"alias-of", *alias_of});
    }
    s.entries.push_back({"typelib", libid});
    registry.put(std::move(s));
    for (const auto& alias : i.aliases) {
        std::string current = registry_guid(i.iid);
        put_interface(registry, alias, kind, libid, &current);
    }
}

std::size_t remove_interface(Registry& registry, const ServerInterface& i) {
    std::size_t n = registry.remove("interface", registry_guid(i.iid)) ? 1 : 0;
    for (const auto& alias : i.aliases) {
        n += remove_interface(registry, alias);
    }
    return n;
}

std::string interface_name(const Registry& registry, const std::string& iid) {
    const RegistrySection* s = registry.find("interface", iid);
    return s ? s->value("name") : std::string();
}

} // namespace

std::string registry_guid(const GUID& id) {
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned>(id.Data1), id.Data2, id.Data3, id.Data4[0], id.Data4[1],
                  id.Data4[2], id.Data4[3], id.Data4[4], id.Data4[5], id.Data4[6], id.Data4[7]);
    return text;
}

bool parse_registry_guid(std::string_view text, GUID& id) {
    // Positions of the hexadecimal digits in "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
    if (text.size() != 38 || text.front() != '{' || text.back() != '}') {
        return false;
    }
    uint8_t bytes[16];
    std::size_t pos = 1;
    for (int b = 0; b < 16; ++b) {
        if (b == 4 || b == 6 || b == 8 || b == 10) {
            if (text[pos++] != '-') {
                return false;
            }
        }
        int hi = hex_digit(text[pos]);
        int lo = hex_digit(text[pos + 1]);
        if (hi < 0 || lo < 0) {
            return false;
        }
        bytes[b] = static_cast<uint8_t>(hi * 16 + lo);
        pos += 2;
    }
    id.Data1 =
        uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 | bytes[3];
    id.Data2 = static_cast<uint16_t>(bytes[4] << 8 | bytes[5]);
    id.Data3 = static_cast<uint16_t>(bytes[6] << 8 | bytes[7]);
    for (int k = 0; k < 8; ++k) {
        id.Data4[k] = bytes[8 + k];
    }
    return true;
}

void add_server(Registry& registry, const ServerDescription& server,
                const std::string& library_path) {
    if (!library_path.starts_with('/') || library_path.find_first_of("\r\n") != std::string::npos) {
        raise_standard(std_error::InvalidProcedureCall, u"PaginorV2CTL.Registry",
                       u"Cannot register \"" + from_utf8(library_path) +
                           u"\": the library path must be absolute and on one line");
    }
    Registry updated = registry; // all or nothing: a rejected section leaves registry as it was
    std::string libid = registry_guid(server.libid);
    std::string version = version_text(server);
    updated.put({"typelib",
                 libid,
                 {{"name", server.library},
                  {"version", version},
                  {"lcid", lcid_text(server.lcid)},
                  {"path", library_path}},
                 {}});
    for (const auto& c : server.classes) {
        std::string clsid = registry_guid(c.clsid);
        updated.put({"class",
                     clsid,
                     {{"name", c.name},
                      {"progid", c.progid},
                      {"server", library_path},
                      {"threading", server.threading},
                      {"typelib", libid},
                      {"version", version},
                      {"kind", c.control ? "control" : "creatable"},
                      {"default-interface", registry_guid(c.default_interface.iid)},
                      {"event-interface", registry_guid(c.event_interface.iid)}},
                     {}});
        updated.put({"progid", c.progid, {{"clsid", clsid}}, {}});
        put_interface(updated, c.default_interface, "dual", libid);
        put_interface(updated, c.event_interface, "events", libid);
    }
    registry = std::move(updated);
}

std::size_t remove_server(Registry& registry, const ServerDescription& server) {
    std::size_t n = registry.remove("typelib", registry_guid(server.libid)) ? 1 : 0;
    for (const auto& c : server.classes) {
        n += registry.remove("class", registry_guid(c.clsid)) ? 1 : 0;
        n += registry.remove("progid", c.progid) ? 1 : 0;
        n += remove_interface(registry, c.default_interface);
        n += remove_interface(registry, c.event_interface);
    }
    return n;
}

std::vector<RegisteredClass> registered_classes(const Registry& registry, const GUID& libid) {
    std::vector<RegisteredClass> out;
    GUID typelib;
    for (const auto& s : registry.sections()) {
        if (s.kind != "class" || !parse_registry_guid(s.value("typelib"), typelib) ||
            typelib != libid) {
            continue;
        }
        RegisteredClass c{s.value("name"),
                          s.value("progid"),
                          s.key,
                          s.value("kind"),
                          s.value("threading"),
                          s.value("server"),
                          {},
                          s.value("default-interface"),
                          {},
                          s.value("event-interface")};
        c.default_interface = interface_name(registry, c.default_iid);
        c.event_interface = interface_name(registry, c.event_iid);
        for (const auto& i : registry.sections()) {
            if (i.kind == "interface" && i.find("alias-of") &&
                (*i.find("alias-of") == c.default_iid || *i.find("alias-of") == c.event_iid)) {
                c.aliases.emplace_back(i.value("name"), i.key);
            }
        }
        out.push_back(std::move(c));
    }
    return out;
}

ServerLookup find_server(const Registry& registry, std::string_view progid) {
    ServerLookup out;
    std::string quoted = "\"" + std::string(progid) + "\"";
    const RegistrySection* p = registry.find("progid", progid);
    if (!p) {
        out.problem = "ProgID " + quoted + " is not registered";
        return out;
    }
    if (!parse_registry_guid(p->value("clsid"), out.clsid)) {
        out.problem = "ProgID " + quoted + " has no valid clsid entry";
        return out;
    }
    const RegistrySection* c = registry.find("class", registry_guid(out.clsid));
    out.server = c ? c->value("server") : std::string();
    if (out.server.empty()) {
        out.problem = "class " + registry_guid(out.clsid) + " of ProgID " + quoted +
                      " names no server library";
        return out;
    }
    out.found = true;
    return out;
}

} // namespace paginor::registry
