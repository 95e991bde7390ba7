// The run-time error a call raises: its number, or the whole error written for one comparison.
#pragma once

#include "platform/core/error.h"
#include "platform/core/unicode.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

namespace paginor::test {

// The error number the call raised; 0 when it raised none. A standard error's number
// goes with its own HRESULT.
inline int error_of(const std::function<void()>& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        if (e.number() > 0) {
            EXPECT_EQ(e.hr(), PAGINOR_STANDARD_ERROR(e.number())) << e.number();
        }
        return e.number();
    }
    return 0;
}

// The whole error, "<number> <source>: <description>", the number in hex when it is an
// HRESULT; "no error" when the call raised none.
inline std::string raised(const std::function<void()>& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        char number[16];
        std::snprintf(number, sizeof number, e.number() < 0 ? "%#x" : "%d", e.number());
        return number + (" " + to_utf8(e.source())) + ": " + to_utf8(e.description());
    }
    return "no error";
}

} // namespace paginor::test
