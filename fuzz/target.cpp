// One libFuzzer program: PAGINOR_FUZZ_BODY names the body it runs.
#include "bodies.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    (void)paginor::fuzz::PAGINOR_FUZZ_BODY(data, size);
    return 0;
}
