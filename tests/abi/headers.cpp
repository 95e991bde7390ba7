// Every public header, compiled as a C++17 host compiles it (-pedantic, warnings as
// errors), the C++ wrapper's templates instantiated: the build fails when one needs more.
#include <paginor/PaginorV2CTL.h>
#include <paginor/automation.h>
#include <paginor/base.h>
#include <paginor/form.h>
#include <paginor/host.h>
#include <paginor/ref.h>

int paginor_headers_compile_as_cxx17() {
    paginor::Control control;
    paginor::Result<paginor::Variant> r = control.call(u"AddSelection", 1, u"two", 3.0, true);
    paginor::Ref<_O2007Hover> hover;
    return static_cast<int>(r.error.hr) + (hover ? 1 : 0);
}
