/* PaginorV2CTL: the public interfaces of the library's classes, for C and C++ hosts.
 *
 * Each class X has a dual interface _X (derived from IDispatch, its vtable in the order of
 * its member list in PaginorV2CTL_members.h) and an outgoing event dispinterface __X. A
 * C++ host calls the members directly; a C host calls through lpVtbl; a late-bound host
 * uses IDispatch. All three reach the same code and see the same results and errors.
 * Property reads return their value through the last, out, parameter; a null out pointer
 * gives E_POINTER. Strings are BSTRs: the caller frees what a get returns, the callee
 * copies what a put receives. Everything below is expanded from the member list.
 *
 * The identifiers below never change between builds. */
#ifndef PAGINOR_PAGINORV2CTL_H
#define PAGINOR_PAGINORV2CTL_H

#include <paginor/PaginorV2CTL_members.h>
#include <paginor/base.h>

/* The host's standard picture and font objects are reached through IDispatch. */
typedef IDispatch IPictureDisp;
typedef IDispatch IFontDisp;

PAGINOR_DATA const GUID LIBID_PaginorV2CTL;

/* Per class X: CLSID_X, IID__X, DIID___X, and IID_X___vN, DIID___X___vN for the earlier
 * identifiers of its interfaces. */
#define PAGINOR_DECLARE_IDS(name, kind, clsid, iid, diid)                                          \
    PAGINOR_DATA const CLSID CLSID_##name;                                                         \
    PAGINOR_DATA const IID IID__##name;                                                            \
    PAGINOR_DATA const IID DIID___##name;
#define PAGINOR_DECLARE_ALIAS_IDS(name, version, iid, diid)                                        \
    PAGINOR_DATA const IID IID_##name##___##version;                                               \
    PAGINOR_DATA const IID DIID___##name##___##version;
PAGINOR_V2CTL_CLASSES(PAGINOR_DECLARE_IDS, PAGINOR_DECLARE_ALIAS_IDS)

/* The DISPID of every event, DISPID_<class>_<event>, for hosts' sinks and the controls. */
#define PAGINOR_EVENT_DISPID(name, event, dispid, params, help) DISPID_##name##_##event = dispid,
#define PAGINOR_EVENT_DISPIDS(name, kind, clsid, iid, diid)                                        \
    PAGINOR_##name##_EVENTS(PAGINOR_EVENT_DISPID, PAGINOR_SKIP_PARAM)
enum { PAGINOR_V2CTL_CLASSES(PAGINOR_EVENT_DISPIDS, PAGINOR_SKIP_ALIAS) };

/* The enumerations, every value 32-bit. In C++ the 32 bits are the enumeration's own
 * type, so any value a host passes (one outside the listed names included) is a value of
 * it, as it is in C. */
#define PAGINOR_C_ENUM_VALUE(name, value, library_name) name = value,
#ifdef __cplusplus
#define PAGINOR_C_ENUM(name)                                                                       \
    typedef enum name : int { PAGINOR_ENUM_##name(PAGINOR_C_ENUM_VALUE) } name;
#else
#define PAGINOR_C_ENUM(name) typedef enum name { PAGINOR_ENUM_##name(PAGINOR_C_ENUM_VALUE) } name;
#endif
PAGINOR_V2CTL_ENUMS(PAGINOR_C_ENUM)

#ifdef __cplusplus

/* The dual interfaces, each IDispatch followed by its members in vtable order. The
 * parameter list of a method is written with a leading comma that PAGINOR_TAIL drops
 * (an empty variadic argument: standard since C++20, accepted by GCC and Clang before;
 * the pragma keeps a C++17 host's -pedantic quiet about it). */
#pragma GCC system_header
#define PAGINOR_TAIL(...) PAGINOR_TAIL_(__VA_ARGS__)
#define PAGINOR_TAIL_(first, ...) __VA_ARGS__
#define PAGINOR_CXX_MEMBER(cls, kind, name, dispid, type, params, help)                            \
    virtual HRESULT PAGINOR_NAME_##kind(name)(                                                     \
        PAGINOR_TAIL(~PAGINOR_VALUE_##kind(name, PAGINOR_T_##type) params)) = 0;
#define PAGINOR_CXX_INTERFACE(name, kind, clsid, iid, diid)                                        \
    struct _##name : IDispatch {                                                                   \
        PAGINOR_##name##_MEMBERS(PAGINOR_CXX_MEMBER, PAGINOR_PARAM)                                \
    };
#define PAGINOR_FORWARD(name, kind, clsid, iid, diid) struct _##name;
PAGINOR_V2CTL_CLASSES(PAGINOR_FORWARD, PAGINOR_SKIP_ALIAS)
PAGINOR_V2CTL_CLASSES(PAGINOR_CXX_INTERFACE, PAGINOR_SKIP_ALIAS)

#else

/* The same interfaces for C: a struct holding the vtable pointer, the vtable holding
 * IDispatch's entries and then the members', each taking the object first. */
#define PAGINOR_C_MEMBER(cls, kind, name, dispid, type, params, help)                              \
    HRESULT(*PAGINOR_NAME_##kind(name))                                                            \
    (_##cls * self PAGINOR_VALUE_##kind(name, PAGINOR_T_##type) params);
#define PAGINOR_C_INTERFACE(name, kind, clsid, iid, diid)                                          \
    typedef struct _##name##Vtbl {                                                                 \
        HRESULT (*QueryInterface)(_##name * self, REFIID riid, void** ppv);                        \
        ULONG (*AddRef)(_##name * self);                                                           \
        ULONG (*Release)(_##name * self);                                                          \
        HRESULT (*GetTypeInfoCount)(_##name * self, UINT* pctinfo);                                \
        HRESULT (*GetTypeInfo)(_##name * self, UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo);       \
        HRESULT(*GetIDsOfNames)                                                                    \
        (_##name * self, REFIID riid, OLECHAR** rgszNames, UINT cNames, LCID lcid,                 \
         DISPID* rgDispId);                                                                        \
        HRESULT(*Invoke)                                                                           \
        (_##name * self, DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,                 \
         DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr);     \
        PAGINOR_##name##_MEMBERS(PAGINOR_C_MEMBER, PAGINOR_PARAM)                                  \
    } _##name##Vtbl;                                                                               \
    struct _##name {                                                                               \
        const _##name##Vtbl* lpVtbl;                                                               \
    };
#define PAGINOR_FORWARD(name, kind, clsid, iid, diid) typedef struct _##name _##name;
PAGINOR_V2CTL_CLASSES(PAGINOR_FORWARD, PAGINOR_SKIP_ALIAS)
PAGINOR_V2CTL_CLASSES(PAGINOR_C_INTERFACE, PAGINOR_SKIP_ALIAS)

#endif

#endif
