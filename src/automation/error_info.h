// The automation boundary. Every member of every class runs its body inside guarded():
// a RuntimeError becomes its HRESULT with the calling thread's error info set (number,
// source, description); std::bad_alloc becomes E_OUTOFMEMORY and any other exception
// E_FAIL, both with error info too. No exception ever leaves guarded().
#pragma once

#include <paginor/automation.h>

#include "platform/core/error.h"

#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace paginor::automation {

// What the calling thread's error object says; number is the host runtime's error number
// (the plain number for standard errors, the HRESULT otherwise).
struct ErrorRecord {
    HRESULT hr = S_OK;
    int32_t number = 0;
    std::u16string source;
    std::u16string description;
};

// Replaces the calling thread's error object with one holding the record.
void set_error(const ErrorRecord& record);
// Removes the calling thread's error object.
void clear_error();
// The calling thread's error object's contents without taking it; nullopt when none.
// An error object a host set through SetErrorInfo reports hr = number = 0.
std::optional<ErrorRecord> peek_error();

// Records the error and returns its HRESULT.
HRESULT report(const RuntimeError& error);
HRESULT report(HRESULT hr, std::u16string_view source, std::u16string_view description);

// For a late-bound caller: when the thread holds error info, it is copied into excep
// (scode hr, source, description; wCode 0, as the two are exclusive) and the answer is
// DISP_E_EXCEPTION; without error info hr itself. excep may be null.
HRESULT as_exception(HRESULT hr, EXCEPINFO* excep);
// Records the error (report) and answers it as an exception (as_exception).
HRESULT exception_from(const RuntimeError& error, EXCEPINFO* excep);

// E_NOTIMPL with error info: "<member> is not implemented yet".
HRESULT not_implemented(std::u16string_view source, std::u16string_view member);

template <class F> HRESULT guarded(std::u16string_view source, F&& body) noexcept {
    try {
        if constexpr (std::is_same_v<std::invoke_result_t<F>, HRESULT>) {
            return body();
        } else {
            body();
            return S_OK;
        }
    } catch (const RuntimeError& error) {
        return report(error);
    } catch (const std::bad_alloc&) {
        return report(E_OUTOFMEMORY, source, u"Out of memory");
    } catch (...) {
        return report(E_FAIL, source, u"Unexpected failure");
    }
}

} // namespace paginor::automation
