// The run-time error a call raises, for tests of members that report failures by number.
#pragma once

#include "platform/core/error.h"

#include <functional>

namespace paginor::test {

// The error number the call raised; 0 when it raised none.
inline int error_of(const std::function<void()>& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

} // namespace paginor::test
