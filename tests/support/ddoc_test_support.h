// Talking to DDOC as hosts do: the error object a failing member leaves behind.
#pragma once

#include "support/objects.h"

#include <paginor/automation.h>

#include "automation/variant.h"

#include <string>

namespace paginor::test {

struct ErrorSeen {
    std::u16string source;
    std::u16string description;
};

// Takes the calling thread's error object; empty texts when there is none.
inline ErrorSeen take_error() {
    Ref<IErrorInfo> info;
    ErrorSeen seen;
    if (GetErrorInfo(0, info.put()) == S_OK && info) {
        automation::Bstr source, description;
        info->GetSource(source.out());
        info->GetDescription(description.out());
        seen = {source.str(), description.str()};
    }
    return seen;
}

} // namespace paginor::test
