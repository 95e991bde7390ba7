// Type-erased callers of compiled members, one per table row, built from the member's
// pointer: bind<&_Widget::put_Caption>(). Dispatch has already matched the late-bound
// arguments to the row's parameters and coerced each to the row's type, so an invoker
// only lifts the values out of their VARIANTs and calls through the vtable. A typed call
// and a late-bound call therefore run the same member code and raise the same errors.
#pragma once

#include "automation/type_library.h"

#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>

namespace paginor::automation {

constexpr unsigned max_params = 8;

// Filled by dispatch for one call. Each argument VARIANT already holds the row's type:
// by value for an in parameter (VT_BSTR, VT_BOOL, VT_I2, VT_I4, VT_R4, VT_DISPATCH), or
// VT_BYREF of that type for a by-reference one. retval points at zeroed storage for a
// property read's value.
struct CallArgs {
    VARIANT* args[max_params] = {};
    unsigned count = 0;
    void* retval = nullptr;
};

namespace detail {

template <class T> T lift(VARIANT* v) {
    if constexpr (std::is_same_v<T, BSTR>) {
        return v->bstrVal;
    } else if constexpr (std::is_pointer_v<T> &&
                         !std::is_base_of_v<IUnknown, std::remove_pointer_t<T>>) {
        return static_cast<T>(v->byref); // a by-reference argument
    } else {
        static_assert(sizeof(T) <= sizeof(v->llVal));
        T out;
        std::memcpy(&out, &v->llVal, sizeof(T));
        return out;
    }
}

template <auto M, bool Retval> struct Invoker;

template <class I, class... A, HRESULT (I::*M)(A...)> struct Invoker<M, false> {
    static constexpr int arity = sizeof...(A);
    static HRESULT call(IDispatch* self, CallArgs& c) {
        return call_with(static_cast<I*>(self), c, std::index_sequence_for<A...>{});
    }
    template <size_t... N>
    static HRESULT call_with(I* self, CallArgs& c, std::index_sequence<N...>) {
        return (self->*M)(lift<A>(c.args[N])...);
    }
};

// Property reads take only the out parameter that receives the value.
template <class I, class R, HRESULT (I::*M)(R*)> struct Invoker<M, true> {
    static constexpr int arity = 0;
    static HRESULT call(IDispatch* self, CallArgs& c) {
        return (static_cast<I*>(self)->*M)(static_cast<R*>(c.retval));
    }
};

// The vtable position of a virtual member, read from the Itanium C++ ABI representation
// of a pointer to a virtual member function: 1 + the byte offset of its slot.
template <auto M> int vtable_slot() {
    auto pointer = M;
    uintptr_t raw = 0;
    std::memcpy(&raw, &pointer, sizeof raw);
    if ((raw & 1) == 0)
        return -1; // not virtual
    return static_cast<int>((raw - 1) / sizeof(void*));
}

} // namespace detail

// A row for a method or a property write: every parameter comes from the call's args.
template <auto M> constexpr Binding bind() {
    return {&detail::Invoker<M, false>::call, &detail::vtable_slot<M>,
            detail::Invoker<M, false>::arity};
}

// A row for a property read: the member's last parameter receives the value.
template <auto M> constexpr Binding bind_get() {
    return {&detail::Invoker<M, true>::call, &detail::vtable_slot<M>,
            detail::Invoker<M, true>::arity};
}

} // namespace paginor::automation
