// The interfaces of every class, read from the member list: the dual interface, one row per
// vtable slot (a property read and its write are two rows under one identifier, read
// first), each bound to the compiled member through its member pointer; the event
// interface; and the earlier identifiers both still answer.
#include "automation/invoker.h"
#include "library/classes.h"

namespace paginor::library {

using automation::Alias;
using automation::bind;
using automation::bind_get;
using automation::Interface;
using automation::InterfaceKind;
using automation::Member;
using automation::MemberKind;
using automation::Param;
using automation::TypeKind;
using automation::TypeRef;

namespace {

// Every generated array ends in an empty row, so that a list without rows still makes an
// array; the span leaves that row out.
template <class T, size_t N> constexpr std::span<const T> rows_of(const T (&rows)[N]) {
    return {rows, N - 1};
}

#define PAGINOR_TYPEREF(kind, ctype, name)                                                         \
    TypeRef {                                                                                      \
        TypeKind::kind, u"" #name                                                                  \
    }
#define PAGINOR_TYPEREF_OF(descriptor) PAGINOR_TYPEREF descriptor
#define PAGINOR_BY_REF_In false
#define PAGINOR_BY_REF_Ref true
#define PAGINOR_BIND_Get(cls, name) bind_get<&_##cls::get_##name>()
#define PAGINOR_BIND_Let(cls, name) bind<&_##cls::put_##name>()
#define PAGINOR_BIND_Set(cls, name) bind<&_##cls::putref_##name>()
#define PAGINOR_BIND_Method(cls, name) bind<&_##cls::name>()

#define PAGINOR_ROW_PARAM(dir, name, type)                                                         \
    {u"" #name, PAGINOR_TYPEREF_OF(PAGINOR_T_##type), PAGINOR_BY_REF_##dir},
#define PAGINOR_MEMBER_PARAMS(cls, kind, name, dispid, type, params, help)                         \
    const Param cls##_##kind##_##name[] = {params{}};
#define PAGINOR_MEMBER_ROW(cls, kind, name, dispid, type, params, help)                            \
    {u"" #name,                                                                                    \
     MemberKind::kind,                                                                             \
     dispid,                                                                                       \
     PAGINOR_TYPEREF_OF(PAGINOR_T_##type),                                                         \
     rows_of(cls##_##kind##_##name),                                                               \
     u"" help,                                                                                     \
     PAGINOR_BIND_##kind(cls, name)},
#define PAGINOR_EVENT_PARAMS(cls, name, dispid, params, help)                                      \
    const Param cls##_event_##name[] = {params{}};
#define PAGINOR_EVENT_ROW(cls, name, dispid, params, help)                                         \
    {u"" #name, MemberKind::Method, dispid, {}, rows_of(cls##_event_##name), u"" help},
#define PAGINOR_CLASS_MEMBER_PARAMS(name, kind, clsid, iid, diid)                                  \
    PAGINOR_##name##_MEMBERS(PAGINOR_MEMBER_PARAMS, PAGINOR_ROW_PARAM)
#define PAGINOR_CLASS_EVENT_PARAMS(name, kind, clsid, iid, diid)                                   \
    PAGINOR_##name##_EVENTS(PAGINOR_EVENT_PARAMS, PAGINOR_ROW_PARAM)
#define PAGINOR_CLASS_ROWS(name, kind, clsid, iid, diid)                                           \
    const Member name##_members[] = {                                                              \
        PAGINOR_##name##_MEMBERS(PAGINOR_MEMBER_ROW, PAGINOR_SKIP_PARAM){}};                       \
    const Member name##_event_members[] = {                                                        \
        PAGINOR_##name##_EVENTS(PAGINOR_EVENT_ROW, PAGINOR_SKIP_PARAM){}};
PAGINOR_V2CTL_CLASSES(PAGINOR_CLASS_MEMBER_PARAMS, PAGINOR_SKIP_ALIAS)
PAGINOR_V2CTL_CLASSES(PAGINOR_CLASS_EVENT_PARAMS, PAGINOR_SKIP_ALIAS)
PAGINOR_V2CTL_CLASSES(PAGINOR_CLASS_ROWS, PAGINOR_SKIP_ALIAS)

// The earlier identifiers, in list order: each class's are kept together.
#define PAGINOR_ALIAS_OWNER(name, version, iid, diid) ClassId::name,
#define PAGINOR_DUAL_ALIAS(name, version, iid, diid)                                               \
    Alias{&IID_##name##___##version, u"" #name "___" #version},
#define PAGINOR_EVENT_ALIAS(name, version, iid, diid)                                              \
    Alias{&DIID___##name##___##version, u"__" #name "___" #version},
constexpr ClassId alias_owner[] = {PAGINOR_V2CTL_CLASSES(PAGINOR_SKIP_CLASS, PAGINOR_ALIAS_OWNER)};
constexpr Alias dual_aliases[] = {PAGINOR_V2CTL_CLASSES(PAGINOR_SKIP_CLASS, PAGINOR_DUAL_ALIAS)};
constexpr Alias event_aliases[] = {PAGINOR_V2CTL_CLASSES(PAGINOR_SKIP_CLASS, PAGINOR_EVENT_ALIAS)};

template <size_t N> constexpr std::span<const Alias> aliases_of(const Alias (&all)[N], ClassId id) {
    size_t first = 0;
    while (first < N && alias_owner[first] != id)
        ++first;
    size_t end = first;
    while (end < N && alias_owner[end] == id)
        ++end;
    return {all + first, end - first};
}

} // namespace

#define PAGINOR_CLASS_INTERFACES(name, kind, clsid, iid, diid)                                     \
    constinit const Interface name##_interface{u"_" #name,                                         \
                                               InterfaceKind::Dual,                                \
                                               &IID__##name,                                       \
                                               aliases_of(dual_aliases, ClassId::name),            \
                                               rows_of(name##_members),                            \
                                               true,                                               \
                                               &library_table};                                    \
    constinit const Interface name##_events{u"__" #name,                                           \
                                            InterfaceKind::Events,                                 \
                                            &DIID___##name,                                        \
                                            aliases_of(event_aliases, ClassId::name),              \
                                            rows_of(name##_event_members),                         \
                                            true,                                                  \
                                            &library_table};
PAGINOR_V2CTL_CLASSES(PAGINOR_CLASS_INTERFACES, PAGINOR_SKIP_ALIAS)

} // namespace paginor::library
