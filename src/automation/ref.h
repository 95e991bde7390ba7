// Counted references (the public Ref<T>, see <paginor/ref.h>) and writing a caller's out
// parameter.
#pragma once

#include <paginor/ref.h>

#include <cstddef>
#include <type_traits>
#include <utility>

namespace paginor::automation {

using paginor::Ref;

// Writes make() to a caller's out parameter. E_POINTER, without calling make, for a null
// out pointer; otherwise S_OK. make runs only when there is somewhere to put its result,
// so nothing it allocates can be lost.
template <class T, class Make> HRESULT write_out(T* out, Make&& make) {
    if (!out)
        return E_POINTER;
    *out = std::forward<Make>(make)();
    return S_OK;
}

// Hands a counted reference to a caller's out parameter: the caller owns it afterwards.
template <class T> HRESULT write_out(T** out, Ref<T> value) {
    if (!out)
        return E_POINTER;
    *out = value.detach();
    return S_OK;
}

} // namespace paginor::automation
