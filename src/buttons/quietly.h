// Runs a handler of a control's window or part: the window system is no automation
// boundary, so a failure there (a tracker that cannot start, a damaged stored value) ends
// the handler quietly, as an unhandled error in an event handler of the host runtime ends
// only that handler.
#pragma once

#include "platform/core/error.h"

namespace paginor {

template <class F> void quietly(F&& body) {
    try {
        body();
    } catch (const RuntimeError&) {
    }
}

} // namespace paginor
