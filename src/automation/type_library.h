// A type library as data: every class, interface, member, identifier, parameter and
// enumeration of one component library. Dispatch (GetIDsOfNames, Invoke), the type
// information a host enumerates, the registry and the IDL dump all read this one
// description; the runtime knows no library's classes, only the tables it is handed.
//
// Tables are static, read-only and live as long as the program.
#pragma once

#include <paginor/automation.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace paginor::automation {

// The value types that appear in members and events.
enum class TypeKind : uint8_t {
    Void,
    String,     // BSTR
    Boolean,    // VARIANT_BOOL, -1 / 0
    Int16,      // SHORT
    Int32,      // LONG
    Single,     // FLOAT
    Colour,     // OLE_COLOR, carried as a 32-bit integer
    Picture,    // the host's standard picture object (IDispatch)
    Font,       // the host's standard font object (IDispatch)
    Enum,       // one of the library's enumerations, 32-bit; TypeRef::name names it
    Object,     // a class of this library; TypeRef::name names the class
    CheckValue, // the host runtime's check-box value: 0 unchecked, 1 checked, 2 greyed
};

struct TypeRef {
    TypeKind kind = TypeKind::Void;
    std::u16string_view name = {}; // the enumeration or class for Enum and Object
};

struct Param {
    std::u16string_view name;
    TypeRef type;
    bool by_ref = false;   // in/out: the callee's changes come back to the caller
    bool optional = false; // may be left out of a late-bound call
};

struct TypeLibrary;

enum class MemberKind : uint8_t { Get, Let, Set, Method };

// The arguments of one late-bound call after dispatch has matched them to parameters.
struct CallArgs;
using InvokeFn = HRESULT (*)(IDispatch* self, CallArgs& call);

// How a table row reaches the compiled member: the invoker unpacks and coerces the
// arguments and calls through the vtable; slot() is the member's vtable position, so a
// test can hold the header's declaration order against the table's row order.
struct Binding {
    InvokeFn invoke = nullptr;
    int (*slot)() = nullptr;
    int arity = 0; // parameters the compiled member takes, not counting a read's out value
};

// One accessor or method of a dual interface, or one event of an event interface.
// Get returns `type` and has no parameters; Let and Set take one value of `type`;
// Method and events take `params`.
struct Member {
    std::u16string_view name;
    MemberKind kind = MemberKind::Method;
    DISPID dispid = 0;
    TypeRef type = {};
    std::span<const Param> params = {};
    std::u16string_view help = {};
    Binding binding = {};
};

struct Alias {
    const IID* iid;
    std::u16string_view name; // the alias name in the type library, e.g. Widget___v0
};

enum class InterfaceKind : uint8_t { Dual, Events };

struct Interface {
    std::u16string_view name;
    InterfaceKind kind = InterfaceKind::Dual;
    const IID* iid = nullptr;
    std::span<const Alias> aliases = {}; // earlier identifiers answered as this interface
    std::span<const Member> members = {};
    bool hidden = true;
    const TypeLibrary* library = nullptr; // the library that describes the interface

    // Every row with this identifier, in table order; empty when there is none.
    std::span<const Member> rows(DISPID dispid) const;
    // The first row whose name matches, ignoring case; null when there is none.
    const Member* find(std::u16string_view name) const;
    // True for the current identifier and every earlier alias.
    bool answers(REFIID riid) const;
};

enum class ClassKind : uint8_t { Control, Creatable };

struct Class {
    std::u16string_view name;
    ClassKind kind;
    const CLSID* clsid;
    const Interface* default_interface;
    const Interface* event_interface;
    // A new instance holding one reference, as its default interface. Throws
    // std::bad_alloc when it cannot be made.
    IDispatch* (*make)();
    const TypeLibrary* library;

    // "<library>.<name>", the name hosts create the class by.
    std::u16string progid() const;
    // "<library>.<name>", the source of the errors its members raise.
    std::u16string source() const { return progid(); }
};

struct EnumValue {
    std::u16string_view name; // may hold a blank, as `Command Button` does
    int32_t value;
};

struct Enumeration {
    std::u16string_view name;
    std::span<const EnumValue> values;
};

struct TypeLibrary {
    std::u16string_view name;
    std::u16string_view help;
    uint16_t major_version;
    uint16_t minor_version;
    LCID lcid;
    const GUID* libid;
    std::span<const Class> classes;
    std::span<const Enumeration> enums;

    // Lookups return null when nothing matches. Names compare ignoring case.
    const Class* find_class(REFCLSID clsid) const;
    const Class* find_class(std::u16string_view name) const;
    const Enumeration* find_enum(std::u16string_view name) const;
};

// The IDL text of a type library, generated from its table: library block, enumerations,
// interfaces with every member and identifier, coclasses.
std::string dump_idl(const TypeLibrary& lib);

} // namespace paginor::automation
