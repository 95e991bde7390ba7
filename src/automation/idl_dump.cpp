// The type library as IDL text, written from the table.
#include "automation/dispatch.h"
#include "automation/type_library.h"

#include "platform/core/unicode.h"

#include <cstdio>
#include <string>

namespace paginor::automation {
namespace {

std::string guid_text(const GUID& g) {
    char text[40];
    std::snprintf(text, sizeof text, "%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X", g.Data1,
                  g.Data2, g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4],
                  g.Data4[5], g.Data4[6], g.Data4[7]);
    return text;
}

std::string hex(DISPID id) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", static_cast<uint32_t>(id));
    return text;
}

std::string u8(std::u16string_view text) {
    return to_utf8(text);
}

std::string type_name(const TypeRef& t) {
    switch (t.kind) {
    case TypeKind::String:
        return "BSTR";
    case TypeKind::Boolean:
        return "VARIANT_BOOL";
    case TypeKind::Int16:
        return "short";
    case TypeKind::Int32:
        return "long";
    case TypeKind::Single:
        return "single";
    case TypeKind::Colour:
        return "OLE_COLOR";
    case TypeKind::Picture:
        return "IPictureDisp*";
    case TypeKind::Font:
        return "IFontDisp*";
    case TypeKind::Enum:
        return u8(t.name);
    case TypeKind::Object:
        return "_" + u8(t.name) + "*";
    case TypeKind::CheckValue:
        return "CheckBoxValue";
    case TypeKind::Void:
        break;
    }
    return "void";
}

std::string attributes(const Member& m) {
    std::string a = "id(" + hex(m.dispid) + ")";
    if (m.kind == MemberKind::Get)
        a += ", propget";
    else if (m.kind == MemberKind::Let)
        a += ", propput";
    else if (m.kind == MemberKind::Set)
        a += ", propputref";
    if (!m.help.empty())
        a += ", helpstring(\"" + u8(m.help) + "\")";
    return "[" + a + "]";
}

std::string parameters(const Member& m, bool dual) {
    if (m.kind == MemberKind::Get)
        return dual ? "[out, retval] " + type_name(m.type) + "* retval" : "";
    if (m.kind != MemberKind::Method)
        return "[in] " + type_name(m.type) + " New_" + u8(m.name);
    std::string out;
    for (const auto& p : m.params) {
        if (!out.empty())
            out += ", ";
        std::string flags = p.by_ref ? "in, out" : "in";
        if (p.optional)
            flags += ", optional";
        out += "[" + flags + "] " + type_name(p.type) + (p.by_ref ? "* " : " ") + u8(p.name);
    }
    return out;
}

void write_interface(std::string& out, const Interface& itf) {
    const bool dual = itf.kind == InterfaceKind::Dual;
    out += "    [\n      uuid(" + guid_text(*itf.iid) + "),\n";
    out += std::string("      hidden,\n") + (dual ? "      dual,\n      nonextensible\n" : "");
    if (!dual)
        out.resize(out.size() - 2), out += "\n";
    out += "    ]\n";
    if (dual) {
        out += "    interface " + u8(itf.name) + " : IDispatch {\n";
        for (const auto& m : itf.members)
            out += "        " + attributes(m) + " HRESULT " + u8(m.name) + "(" +
                   parameters(m, true) + ");\n";
    } else {
        out += "    dispinterface " + u8(itf.name) + " {\n        properties:\n        methods:\n";
        for (const auto& m : itf.members)
            out += "            " + attributes(m) + " void " + u8(m.name) + "(" +
                   parameters(m, false) + ");\n";
    }
    out += "    };\n\n";
    for (const auto& alias : itf.aliases)
        out += "    // " + u8(alias.name) + " = " + guid_text(*alias.iid) + ", hidden alias of " +
               u8(itf.name) + "\n    typedef [uuid(" + guid_text(*alias.iid) + "), hidden] " +
               u8(itf.name) + " " + u8(alias.name) + ";\n\n";
}

void write_enum(std::string& out, const Enumeration& e) {
    out += "    typedef enum {\n";
    for (const auto& v : e.values) {
        const std::string name = u8(v.name);
        const bool blank = name.find(' ') != std::string::npos;
        out += "        " + (blank ? "[" + name + "]" : name) + " = " + std::to_string(v.value) +
               ",\n";
    }
    out += "    } " + u8(e.name) + ";\n\n";
}

void write_class(std::string& out, const Class& c) {
    out += "    [\n      uuid(" + guid_text(*c.clsid) + "),\n";
    out += c.kind == ClassKind::Control ? "      control\n" : "      creatable\n";
    out += "    ]\n    coclass " + u8(c.name) + " {\n";
    out += "        [default] interface " + u8(c.default_interface->name) + ";\n";
    out += "        [default, source] dispinterface " + u8(c.event_interface->name) + ";\n";
    out += "    };\n\n";
}

} // namespace

std::string dump_idl(const TypeLibrary& lib) {
    char lcid[16];
    std::snprintf(lcid, sizeof lcid, "0x%x", lib.lcid);
    std::string out = "[\n  uuid(" + guid_text(*lib.libid) + "),\n  version(" +
                      std::to_string(lib.major_version) + "." + std::to_string(lib.minor_version) +
                      "),\n  lcid(" + lcid + "),\n  helpstring(\"" + u8(lib.help) + "\")\n]\n";
    out += "library " + u8(lib.name) + "\n{\n    importlib(\"stdole2.tlb\");\n\n";
    for (const auto& e : lib.enums)
        write_enum(out, e);
    for (const auto& c : lib.classes) {
        write_interface(out, *c.default_interface);
        write_interface(out, *c.event_interface);
        write_class(out, c);
    }
    out += "};\n";
    return out;
}

} // namespace paginor::automation
