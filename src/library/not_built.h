// For each dual interface of the library, a base whose members all answer "not built":
// E_NOTIMPL with error info naming the member, and for a property read E_POINTER first
// when the out pointer is null. It is generated from the member list, so a class writes
// only the members it builds and overrides those. Base is the class's automation base,
// which provides not_built(); frame::Control<I> puts NotBuilt<I, ...> under every control.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include <type_traits>

namespace paginor::library {

// An interface that is no interface of the library's member list adds nothing.
template <class I, class Base> class NotBuilt : public Base {
  protected:
    using Base::Base;
};

#define PAGINOR_NOT_BUILT_VALUE_Get(t) , PAGINOR_CTYPE t* retval
#define PAGINOR_NOT_BUILT_VALUE_Let(t) , PAGINOR_CTYPE t
#define PAGINOR_NOT_BUILT_VALUE_Set(t) , PAGINOR_CTYPE t
#define PAGINOR_NOT_BUILT_VALUE_Method(t)
#define PAGINOR_NOT_BUILT_CHECK_Get                                                                \
    if (retval == nullptr)                                                                         \
        return E_POINTER;
#define PAGINOR_NOT_BUILT_CHECK_Let
#define PAGINOR_NOT_BUILT_CHECK_Set
#define PAGINOR_NOT_BUILT_CHECK_Method
#define PAGINOR_NOT_BUILT_PARAM(dir, name, type)                                                   \
    , PAGINOR_CTYPE_OF(PAGINOR_T_##type) PAGINOR_PTR_##dir
#define PAGINOR_NOT_BUILT_MEMBER(cls, kind, name, dispid, type, params, help)                      \
    HRESULT PAGINOR_NAME_##kind(name)(                                                             \
        PAGINOR_TAIL(~PAGINOR_NOT_BUILT_VALUE_##kind(PAGINOR_T_##type) params)) override {         \
        PAGINOR_NOT_BUILT_CHECK_##kind return this->not_built(u"" #name);                          \
    }
// clang-format off
#define PAGINOR_NOT_BUILT_CLASS(name, kind, clsid, iid, diid)                                      \
    template <class Base> class NotBuilt<_##name, Base> : public Base {                            \
      public:                                                                                      \
        PAGINOR_##name##_MEMBERS(PAGINOR_NOT_BUILT_MEMBER, PAGINOR_NOT_BUILT_PARAM)                \
      protected:                                                                                   \
        using Base::Base;                                                                          \
    };
// clang-format on
PAGINOR_V2CTL_CLASSES(PAGINOR_NOT_BUILT_CLASS, PAGINOR_SKIP_ALIAS)

// Whether a class builds a member of its interface I, asked of the member's pointer
// (decltype(&Concrete::get_Caption)): the pointer names the class whose declaration the
// concrete class sees, which is NotBuilt's answer until the class (or a class between)
// overrides it, and I itself while the member is still pure.
template <class T> constexpr bool left_to_not_built = false;
template <class I, class B> constexpr bool left_to_not_built<NotBuilt<I, B>> = true;
template <class MemberPointer> struct MemberOwner;
template <class R, class C, class... A> struct MemberOwner<R (C::*)(A...)> { using type = C; };
template <class I, class MemberPointer>
constexpr bool builds_member = !left_to_not_built<typename MemberOwner<MemberPointer>::type> &&
                               !std::is_same_v<typename MemberOwner<MemberPointer>::type, I>;

} // namespace paginor::library
