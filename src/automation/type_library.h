// The library's type library as data: every class, interface, member, identifier,
// parameter and enumeration. Dispatch (GetIDsOfNames, Invoke), the type information a
// host enumerates, the registry and the IDL dump all read this one description.
//
// Everything returned here is static, read-only and lives as long as the library.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace paginor::frame {

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
    std::u16string_view name; // the alias name in the type library, e.g. DDOC___v0
};

enum class InterfaceKind : uint8_t { Dual, Events };

struct Interface {
    std::u16string_view name;
    InterfaceKind kind = InterfaceKind::Dual;
    const IID* iid = nullptr;
    std::span<const Alias> aliases = {}; // earlier identifiers answered as this interface
    std::span<const Member> members = {};
    bool hidden = true;

    // Every row with this identifier, in table order; empty when there is none.
    std::span<const Member> rows(DISPID dispid) const;
    // The first row whose name matches, ignoring case; null when there is none.
    const Member* find(std::u16string_view name) const;
    // True for the current identifier and every earlier alias.
    bool answers(REFIID riid) const;
};

enum class ClassKind : uint8_t { Control, Creatable };

// Order of the classes in the library; class_entry(ClassId) indexes by it.
enum class ClassId : uint8_t {
    DDOC,
    HoverButton,
    PromptField,
    clsPromptEvents,
    MultiPrompt,
    cEventBroker,
    GradientButton,
    O2007Hover,
    O2007Check,
};
constexpr int class_count = 9;

struct Class {
    ClassId id;
    std::u16string_view name;
    ClassKind kind;
    const CLSID* clsid;
    const Interface* default_interface;
    const Interface* event_interface;

    // "PaginorV2CTL.<name>", the name hosts create the class by.
    std::u16string progid() const;
    // "PaginorV2CTL.<name>", the source of the errors its members raise.
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

const TypeLibrary& type_library();
const Class& class_entry(ClassId id);

// The interfaces of each class, one file per group of classes.
extern const Interface DDOC_interface, DDOC_events;
extern const Interface HoverButton_interface, HoverButton_events;
extern const Interface PromptField_interface, PromptField_events;
extern const Interface clsPromptEvents_interface, clsPromptEvents_events;
extern const Interface MultiPrompt_interface, MultiPrompt_events;
extern const Interface cEventBroker_interface, cEventBroker_events;
extern const Interface GradientButton_interface, GradientButton_events;
extern const Interface O2007Hover_interface, O2007Hover_events;
extern const Interface O2007Check_interface, O2007Check_events;

// The library's IDL text, generated from the table: library block, enumerations,
// interfaces with every member and identifier, coclasses.
std::string dump_idl();

} // namespace paginor::frame
