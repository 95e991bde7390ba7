#include "bodies.h"

#include <cstdio>
#include <cstdlib>

namespace paginor::fuzz {

void fuzz_check(bool ok, const char* promise) {
    if (ok)
        return;
    std::fprintf(stderr, "fuzz: broken promise: %s\n", promise);
    std::abort();
}

} // namespace paginor::fuzz
