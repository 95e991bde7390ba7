/* Every public header, compiled as a C11 host compiles it (-pedantic, warnings as errors):
 * the build fails when one stops being plain C. */
#include <paginor/PaginorV2CTL.h>
#include <paginor/automation.h>
#include <paginor/base.h>
#include <paginor/form.h>
#include <paginor/host.h>

int paginor_headers_compile_as_c11(void) {
    return (int)sizeof(VARIANT);
}
